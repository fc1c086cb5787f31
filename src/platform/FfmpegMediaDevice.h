#pragma once

#include <atomic>

#include "seams/MediaDevice.h"

struct AVFormatContext;

namespace reelcase {

// Times movie files with FFmpeg's container reader: it reads headers (and, for streams that
// carry no duration, a little of the end), never the whole file. Local files only.
class FfmpegMediaDevice : public MediaDevice {
  public:
    FfmpegMediaDevice();
    // A device whose reading stops, and whose open fails, as soon as stopRequest turns true:
    // measuring on worker threads is cancelled within moments, even inside a damaged file.
    explicit FfmpegMediaDevice(const std::atomic<bool>* stopRequest);
    ~FfmpegMediaDevice() override;
    FfmpegMediaDevice(const FfmpegMediaDevice&) = delete;
    FfmpegMediaDevice& operator=(const FfmpegMediaDevice&) = delete;

    bool open(const QString& path) override;
    void setTimeFormatMilliseconds() override {}
    std::int32_t length() override { return lengthMs_; }
    void stop() override {}
    void close() override;
    QString failureReason() const override { return failure_; }

  private:
    // FFmpeg's interrupt callback: past the deadline or asked to stop.
    static int interrupted(void* device);
    bool fail(const QString& reason);
    QString stoppedReason() const;

    AVFormatContext* context_ = nullptr;
    std::int32_t lengthMs_ = 0;
    std::int64_t deadline_ = 0;
    const std::atomic<bool>* stopRequest_ = nullptr;
    QString failure_;
};

}  // namespace reelcase
