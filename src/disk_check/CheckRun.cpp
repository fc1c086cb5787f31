#include "disk_check/CheckRun.h"

namespace reelcase {

CheckRun::CheckRun(const Catalogue& catalogue, FolderMeasuring::DeviceFactory makeDevice,
                   int threads)
    : catalogue_(catalogue), measuring_(std::move(makeDevice), threads) {}

void CheckRun::start(const CheckRequest& request) {
    const bool measureAll = request.measureAll;
    measuring_.start(request.folders, [this, measureAll](const std::vector<FolderMovie>& movies,
                                                         const std::atomic<bool>& stop) {
        const FileSizes sizes = fileSizesOf(movies, stop);
        CheckPlan plan = planCheck(catalogue_, movies, sizes, measureAll, stop);
        std::vector<PartRef> toMeasure = plan.toMeasure;
        const std::lock_guard lock(mutex_);
        plan_ = std::move(plan);
        return toMeasure;
    });
}

std::optional<CheckPlan> CheckRun::takePlan() {
    const std::lock_guard lock(mutex_);
    std::optional<CheckPlan> plan = std::move(plan_);
    plan_.reset();
    return plan;
}

FinishedCheck runCheckToEnd(const Catalogue& catalogue, const CheckRequest& request,
                            FolderMeasuring::DeviceFactory makeDevice, int threads) {
    CheckRun run(catalogue, std::move(makeDevice), threads);
    run.start(request);
    run.waitUntilDone();
    FinishedCheck finished{std::make_unique<CheckTable>(catalogue), run.progress().skipped};
    if (std::optional<CheckPlan> plan = run.takePlan()) {
        finished.table->setPlan(std::move(*plan));
    }
    finished.table->takeAllMeasured(run.takeMeasured());
    return finished;
}

}  // namespace reelcase
