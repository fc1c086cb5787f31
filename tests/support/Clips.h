#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace reelcase::test {

// Makes a small test-pattern clip of the given seconds with ffmpeg; false when it could not.
inline bool makeClip(const QString& path, int seconds, const QStringList& encoding) {
    QProcess ffmpeg;
    ffmpeg.start(
        QStringLiteral("ffmpeg"),
        QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                    QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                    QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("testsrc=duration=%1:size=32x32:rate=25").arg(seconds)} +
            encoding + QStringList{path});
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0;
}

// The container and codec each extension is made with.
inline QStringList encodingFor(const QString& extension) {
    const QString e = extension.toLower();
    const auto is = [&e](std::initializer_list<const char*> names) {
        for (const char* n : names) {
            if (e == QLatin1String(n)) {
                return true;
            }
        }
        return false;
    };
    const auto list = [](std::initializer_list<const char*> words) {
        QStringList result;
        for (const char* w : words) {
            result << QString::fromLatin1(w);
        }
        return result;
    };
    if (is({"avi", "mkv"}))
        return list({"-c:v", "mpeg4"});
    if (is({"asf", "wmv"}))
        return list({"-f", "asf", "-c:v", "wmv2"});
    if (is({"mpg", "mpeg", "mpe"}))
        return list({"-f", "mpeg", "-c:v", "mpeg1video"});
    if (is({"vob"}))
        return list({"-f", "vob", "-c:v", "mpeg2video"});
    if (is({"rm", "rmvb"}))
        return list({"-f", "rm", "-c:v", "rv10"});
    if (is({"mp4", "m4v"}))
        return list({"-f", "mp4", "-c:v", "mpeg4"});
    if (is({"mov"}))
        return list({"-f", "mov", "-c:v", "mpeg4"});
    if (is({"ts"}))
        return list({"-f", "mpegts", "-c:v", "mpeg2video"});
    if (is({"webm"}))
        return list({"-f", "webm", "-c:v", "libvpx", "-deadline", "realtime"});
    if (is({"ogv"}))
        return list({"-f", "ogg", "-c:v", "libtheora"});
    if (is({"flv"}))
        return list({"-f", "flv", "-c:v", "flv"});
    return {};
}

}  // namespace reelcase::test
