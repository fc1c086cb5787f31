#pragma once

#include <QProcess>
#include <QProcessEnvironment>

namespace reelcase::test {

// What a run of the real program left: its exit status (-1 when it did not end normally) and
// its two outputs.
struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The environment without a display of any kind to fall back on.
inline QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        env.remove(QLatin1String(name));
    }
    return env;
}

// Waits for a started process and collects what it left.
inline Run finished(QProcess& process, int waitMs = 120000) {
    if (!process.waitForFinished(waitMs)) {
        qWarning("the program did not finish: %s", qPrintable(process.arguments().join(' ')));
    }
    Run r;
    r.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

}  // namespace reelcase::test
