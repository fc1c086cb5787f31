#pragma once

class QWidget;

namespace reelcase {

// Keeps window centred on its screen, its frame (title bar and borders) included, each time
// it is shown. Until the window manager has framed the window for the first time, the frame
// of the window it belongs to stands in for its own; once its own frame is known, a window
// that was placed with a different estimate is placed once more.
void centreWhenShown(QWidget& window);

// Moves window now so that its frame stands in the middle of the screen's available area.
void centreOnScreen(QWidget& window);

}  // namespace reelcase
