// The entry of the module that carries the media reader (see exchange/MeasuringModule.h).
#include <atomic>

#include "platform/FfmpegMediaDevice.h"

extern "C" {

// The caller owns the device; exported under a plain name for dlsym.
__attribute__((visibility("default"))) reelcase::MediaDevice* reelcase_make_media_device(
    const std::atomic<bool>* stop) {
    return new reelcase::FfmpegMediaDevice(stop);
}
}
