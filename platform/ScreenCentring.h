#pragma once

class QWidget;

namespace reelcase {

// Places a top-level window in the middle of the primary screen's free area, its frame
// included. A window manager puts the frame around a window only once it is shown: until then
// the window alone is centred, and it is placed again, once, when its frame appears.
void centreOnScreen(QWidget& window);

}  // namespace reelcase
