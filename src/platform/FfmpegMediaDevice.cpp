#include "platform/FfmpegMediaDevice.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/time.h>
}

#include <sys/stat.h>

#include <cerrno>

#include <algorithm>
#include <limits>

#include "careful_files/FileNames.h"

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

QString errorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

}  // namespace

FfmpegMediaDevice::FfmpegMediaDevice() : FfmpegMediaDevice(nullptr) {}

FfmpegMediaDevice::FfmpegMediaDevice(const std::atomic<bool>* stopRequest)
    : stopRequest_(stopRequest) {
    // Once for the process: devices are made on several measuring threads at a time.
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    (void)quiet;
}

int FfmpegMediaDevice::interrupted(void* device) {
    const auto* self = static_cast<const FfmpegMediaDevice*>(device);
    if (self->stopRequest_ != nullptr && self->stopRequest_->load(std::memory_order_relaxed)) {
        return 1;
    }
    return av_gettime_relative() > self->deadline_ ? 1 : 0;
}

bool FfmpegMediaDevice::fail(const QString& reason) {
    close();
    failure_ = reason;
    return false;
}

FfmpegMediaDevice::~FfmpegMediaDevice() {
    close();
}

bool FfmpegMediaDevice::open(const QString& path) {
    close();
    failure_.clear();
    // Only an absolute local path: a name such as "http:x.avi" must never reach the network.
    if (!path.startsWith(QLatin1Char('/'))) {
        return fail(QStringLiteral("not a local file"));
    }
    // Only a regular file: opening a named pipe or a device would block or never end.
    struct stat st {};
    if (::stat(fileNameBytes(path).constData(), &st) != 0) {
        return fail(qt_error_string(errno));
    }
    if (!S_ISREG(st.st_mode)) {
        return fail(QStringLiteral("not a regular file"));
    }
    context_ = avformat_alloc_context();
    if (context_ == nullptr) {
        return fail(errorText(AVERROR(ENOMEM)));
    }
    deadline_ = av_gettime_relative() + kTimeBudgetMicroseconds;
    context_->interrupt_callback.callback = &FfmpegMediaDevice::interrupted;
    context_->interrupt_callback.opaque = this;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray url = "file:" + fileNameBytes(path);
    // On failure the context is freed and set to null.
    const int opened = avformat_open_input(&context_, url.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        context_ = nullptr;
        return fail(opened == AVERROR_EXIT ? stoppedReason() : errorText(opened));
    }
    const int found = avformat_find_stream_info(context_, nullptr);
    if (found < 0) {
        return fail(found == AVERROR_EXIT ? stoppedReason() : errorText(found));
    }
    const std::int64_t ms = durationMs(context_);
    if (ms < 0) {
        return fail(QStringLiteral("no playing time in the file"));
    }
    lengthMs_ = static_cast<std::int32_t>(
        std::min<std::int64_t>(ms, std::numeric_limits<std::int32_t>::max()));
    return true;
}

QString FfmpegMediaDevice::stoppedReason() const {
    if (stopRequest_ != nullptr && stopRequest_->load()) {
        return QStringLiteral("measuring cancelled");
    }
    return QStringLiteral("gave up after %1 s reading the file")
        .arg(kTimeBudgetMicroseconds / 1000000);
}

void FfmpegMediaDevice::close() {
    if (context_ != nullptr) {
        avformat_close_input(&context_);
    }
    lengthMs_ = 0;
}

}  // namespace reelcase
