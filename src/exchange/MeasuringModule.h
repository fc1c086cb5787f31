#pragma once

#include <mutex>
#include <string>
#include <vector>

#include <QString>

#include "folder_add/FolderMeasuring.h"

namespace reelcase {

// The file that carries the media reader for the program users start: FFmpeg and the device
// on it, loaded the first time verify has a file to measure, so that no other command (nor a
// verify that finds every file unchanged) pays for loading them.
inline constexpr const char* MeasuringModuleName = "reelcase-measuring.so";
// What the module offers: a device whose work ends soon after stop turns true.
inline constexpr const char* MeasuringModuleEntry = "reelcase_make_media_device";

class MeasuringModule {
  public:
    // candidates: where the module may lie, tried in order.
    explicit MeasuringModule(std::vector<std::string> candidates);
    MeasuringModule(const MeasuringModule&) = delete;
    MeasuringModule& operator=(const MeasuringModule&) = delete;

    // Devices from the module. Where it cannot be loaded, each device fails every file with
    // the reason, and failure() tells it.
    FolderMeasuring::DeviceFactory devices();
    // Why the module could not be loaded; empty when it was, or was never needed.
    QString failure() const;

  private:
    using MakeDevice = MediaDevice* (*)(const std::atomic<bool>* stop);
    MakeDevice load();

    std::vector<std::string> candidates_;
    std::once_flag loaded_;
    MakeDevice make_ = nullptr;
    mutable std::mutex mutex_;
    QString failure_;
};

}  // namespace reelcase
