#pragma once

#include "seams/MediaDevice.h"

struct AVFormatContext;

namespace reelcase {

// Times movie files with FFmpeg's container reader: it reads headers (and, for streams that
// carry no duration, a little of the end), never the whole file. Local files only.
class FfmpegMediaDevice : public MediaDevice {
  public:
    FfmpegMediaDevice();
    ~FfmpegMediaDevice() override;
    FfmpegMediaDevice(const FfmpegMediaDevice&) = delete;
    FfmpegMediaDevice& operator=(const FfmpegMediaDevice&) = delete;

    bool open(const QString& path) override;
    void setTimeFormatMilliseconds() override {}
    std::int32_t length() override { return lengthMs_; }
    void stop() override {}
    void close() override;

  private:
    AVFormatContext* context_ = nullptr;
    std::int32_t lengthMs_ = 0;
    std::int64_t deadline_ = 0;
};

}  // namespace reelcase
