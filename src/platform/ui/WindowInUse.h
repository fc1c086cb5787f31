#pragma once

class QWidget;

namespace reelcase {

// The window the user works in now, which a dialog opened now belongs to: the topmost modal
// dialog, else the active window; none before the first window is shown.
QWidget* windowInUse();

}  // namespace reelcase
