#include "platform/FfmpegMediaDevice.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/time.h>
}

#include <sys/stat.h>

#include <algorithm>
#include <limits>

#include <QFile>

namespace reelcase {

namespace {

// The container's duration, or its longest stream's, in milliseconds; -1 when none is known.
std::int64_t durationMs(const AVFormatContext* context) {
    if (context->duration != AV_NOPTS_VALUE && context->duration > 0) {
        return av_rescale(context->duration, 1000, AV_TIME_BASE);
    }
    std::int64_t longest = -1;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream* stream = context->streams[i];
        if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
            longest = std::max(
                longest, av_rescale_q(stream->duration, stream->time_base, AVRational{1, 1000}));
        }
    }
    return longest;
}

// A damaged file can send the reader scanning gigabytes for a start code: give up after a
// while rather than freeze the program.
constexpr std::int64_t kTimeBudgetMicroseconds = 2000000;

int pastDeadline(void* deadline) {
    return av_gettime_relative() > *static_cast<const std::int64_t*>(deadline) ? 1 : 0;
}

}  // namespace

FfmpegMediaDevice::FfmpegMediaDevice() {
    av_log_set_level(AV_LOG_QUIET);
}

FfmpegMediaDevice::~FfmpegMediaDevice() {
    close();
}

bool FfmpegMediaDevice::open(const QString& path) {
    close();
    // Only an absolute local path: a name such as "http:x.avi" must never reach the network.
    if (!path.startsWith(QLatin1Char('/'))) {
        return false;
    }
    // Only a regular file: opening a named pipe or a device would block or never end.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return false;
    }
    context_ = avformat_alloc_context();
    if (context_ == nullptr) {
        return false;
    }
    deadline_ = av_gettime_relative() + kTimeBudgetMicroseconds;
    context_->interrupt_callback.callback = pastDeadline;
    context_->interrupt_callback.opaque = &deadline_;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray url = "file:" + QFile::encodeName(path);
    // On failure the context is freed and set to null.
    const int opened = avformat_open_input(&context_, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        context_ = nullptr;
        return false;
    }
    const std::int64_t ms =
        avformat_find_stream_info(context_, nullptr) < 0 ? -1 : durationMs(context_);
    if (ms < 0) {
        close();
        return false;
    }
    lengthMs_ = static_cast<std::int32_t>(
        std::min<std::int64_t>(ms, std::numeric_limits<std::int32_t>::max()));
    return true;
}

void FfmpegMediaDevice::close() {
    if (context_ != nullptr) {
        avformat_close_input(&context_);
    }
    lengthMs_ = 0;
}

}  // namespace reelcase
