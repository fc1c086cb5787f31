#pragma once

namespace reelcase {

// The wait window as the analysis drives it.
class WaitDisplay {
  public:
    virtual ~WaitDisplay() = default;
    // Shows the window and paints it at once: the work that follows blocks the event loop.
    virtual void showNow() = 0;
    virtual void ProgressFirstHalf() = 0;
    virtual void ProgressSecondHalf() = 0;
    virtual void hideNow() = 0;
};

}  // namespace reelcase
