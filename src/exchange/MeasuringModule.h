#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <QString>

#include "folder_add/FolderMeasuring.h"
#include "launcher/ProgramPaths.h"

namespace reelcase {

// The module (MeasuringModuleName) carries the media reader: FFmpeg and the device on it,
// loaded the first time a file is to be measured, so that neither the window's start nor a
// command that measures nothing pays for loading FFmpeg's hundred libraries.
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

// One device from the module for a window that measures a file at a time; the module is
// loaded at the first open.
class ModuleMediaDevice : public MediaDevice {
  public:
    explicit ModuleMediaDevice(MeasuringModule& module) : module_(module) {}

    bool open(const QString& path) override;
    void setTimeFormatMilliseconds() override;
    std::int32_t length() override;
    void stop() override;
    void close() override;
    QString failureReason() const override;

  private:
    MeasuringModule& module_;
    const std::atomic<bool> neverStopped_{false};
    std::unique_ptr<MediaDevice> device_;
};

}  // namespace reelcase
