// Reads any bytes as a settings store file; what it keeps must write out and read back the same.
#include <cstdint>

#include <QByteArray>

#include "fuzz/FuzzSupport.h"
#include "settings/KeyTree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto tree = reelcase::KeyTree::parse(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QByteArray once = tree.serialise(QStringLiteral("fuzz"));
    const QByteArray twice = reelcase::KeyTree::parse(once).serialise(QStringLiteral("fuzz"));
    reelcase::fuzz::require(once == twice);
    return 0;
}
