#include "about_web/WebLookups.h"

#include <QByteArray>

#include "catalogue/TextCodec.h"

#ifndef REELCASE_DOWNLOAD_PAGE
#error "REELCASE_DOWNLOAD_PAGE comes from the CMake cache variable of that name"
#endif

namespace reelcase {

std::string movieSearchAddress(std::string_view name) {
    constexpr std::string_view find = "/Find?";
    std::string address;
    address.reserve(MovieSiteHost.size() + find.size() + name.size());
    address.append(MovieSiteHost).append(find).append(name);
    return address;
}

QUrl browserUrl(std::string_view address) {
    const std::size_t question = address.find('?');
    const std::string_view head = address.substr(0, question);
    QByteArray encoded = QByteArrayLiteral("https://");
    encoded.append(head.data(), static_cast<qsizetype>(head.size()));
    if (question != std::string_view::npos) {
        encoded.append('?');
        encoded.append(QUrl::toPercentEncoding(fromCatalogueText(address.substr(question + 1))));
    }
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

QUrl downloadPageUrl() {
    return {QStringLiteral(REELCASE_DOWNLOAD_PAGE), QUrl::StrictMode};
}

}  // namespace reelcase
