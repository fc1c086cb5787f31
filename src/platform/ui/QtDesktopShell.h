#pragma once

#include "seams/DesktopShell.h"

namespace reelcase {

// The real desktop: Qt's window states and QDesktopServices. No address ever passes through a
// command line.
class QtDesktopShell : public DesktopShell {
  public:
    void minimiseApplication() override;
    bool openAddress(const QUrl& address) override;
};

}  // namespace reelcase
