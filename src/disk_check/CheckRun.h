#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "catalogue/Catalogue.h"
#include "disk_check/CheckFolders.h"
#include "disk_check/CheckPlan.h"
#include "disk_check/CheckTable.h"
#include "folder_add/FolderMeasuring.h"

namespace reelcase {

// A check of folders against the catalogue, off the caller's thread: the scan, the matching
// and the measuring of what matching left open run on a pool of workers, one per core unless
// told otherwise. The caller takes the plan once and the measured parts as they come.
class CheckRun {
  public:
    CheckRun(const Catalogue& catalogue, FolderMeasuring::DeviceFactory makeDevice,
             int threads = 0);
    CheckRun(const CheckRun&) = delete;
    CheckRun& operator=(const CheckRun&) = delete;

    void start(const CheckRequest& request);
    // Ends the scan, the matching and the measuring; returns once no worker runs any more.
    void stop() { measuring_.stop(); }
    void waitUntilDone() { measuring_.waitUntilDone(); }

    // filesFound counts the files to measure.
    FolderMeasuring::Progress progress() const { return measuring_.progress(); }
    // The plan, once after the matching has ended.
    std::optional<CheckPlan> takePlan();
    std::vector<MeasuredPart> takeMeasured() { return measuring_.takeMeasured(); }

  private:
    const Catalogue& catalogue_;
    std::mutex mutex_;
    std::optional<CheckPlan> plan_;
    // Last: its workers, which write the plan, end before the plan goes.
    FolderMeasuring measuring_;
};

// What a check found once every file is measured, for a caller without a window.
struct FinishedCheck {
    std::unique_ptr<CheckTable> table;
    SkippedCounts skipped;
};
FinishedCheck runCheckToEnd(const Catalogue& catalogue, const CheckRequest& request,
                            FolderMeasuring::DeviceFactory makeDevice, int threads = 0);

}  // namespace reelcase
