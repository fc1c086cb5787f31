#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include "seams/DesktopShell.h"

namespace reelcase::test {

// Records, in order, every minimise ("minimise") and every address handed to the browser
// (its fully encoded form). browserOpens says whether a browser takes the address.
class FakeDesktopShell : public DesktopShell {
  public:
    QStringList calls;
    bool browserOpens = true;

    void minimiseApplication() override { calls << QStringLiteral("minimise"); }
    bool openAddress(const QUrl& address) override {
        calls << QString::fromLatin1(address.toEncoded());
        return browserOpens;
    }
};

}  // namespace reelcase::test
