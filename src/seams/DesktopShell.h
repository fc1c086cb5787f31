#pragma once

#include <QUrl>

namespace reelcase {

// What the program asks of the desktop: putting all its windows away, and handing a web
// address to the user's browser. Commands take it as an argument, so tests run them with a
// double that records the calls.
class DesktopShell {
  public:
    virtual ~DesktopShell() = default;
    // Every window of the program goes to the task bar.
    virtual void minimiseApplication() = 0;
    // Hands the address to the browser without waiting; false when nothing could take it.
    virtual bool openAddress(const QUrl& address) = 0;
};

}  // namespace reelcase
