#pragma once

#include <cstdint>

#include <QString>

namespace reelcase {

// Plays nothing: opens a movie file to tell its playing time.
class MediaDevice {
  public:
    virtual ~MediaDevice() = default;
    // Opens the file at an absolute local path; false when the file is no movie the device
    // can time.
    virtual bool open(const QString& path) = 0;
    virtual void setTimeFormatMilliseconds() = 0;
    // The opened file's playing time in the time format set.
    virtual std::int32_t length() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    // Why the last open failed, in the device's own words; empty when it gave none.
    virtual QString failureReason() const { return {}; }
};

}  // namespace reelcase
