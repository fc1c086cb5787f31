#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <set>

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTest>
#include <QThread>

#include "folder_add/FolderMeasuring.h"
#include "seams/MediaDevice.h"

namespace reelcase::test {

// The files the devices opened, across the measuring threads.
struct Opened {
    std::mutex mutex;
    std::set<QString> names;
    void add(const QString& path) {
        const std::lock_guard lock(mutex);
        names.insert(path.mid(path.lastIndexOf('/') + 1));
    }
};

// Times every file at 61 seconds after a pause; a name with "bad" in it cannot be opened.
class PausingDevice : public MediaDevice {
  public:
    PausingDevice(const std::atomic<bool>& stop, int pauseMs, Opened* opened)
        : stop_(stop), pauseMs_(pauseMs), opened_(opened) {}
    bool open(const QString& path) override {
        if (opened_ != nullptr) {
            opened_->add(path);
        }
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < pauseMs_) {
            if (stop_) {
                return false;
            }
            QThread::msleep(2);
        }
        return !path.contains(QLatin1String("bad"));
    }
    void setTimeFormatMilliseconds() override {}
    std::int32_t length() override { return 61000; }
    void stop() override {}
    void close() override {}
    QString failureReason() const override { return QStringLiteral("Invalid data"); }

  private:
    const std::atomic<bool>& stop_;
    int pauseMs_;
    Opened* opened_;
};

inline FolderMeasuring::DeviceFactory pausing(int pauseMs, Opened* opened = nullptr) {
    return [pauseMs, opened](const std::atomic<bool>& stop) -> std::unique_ptr<MediaDevice> {
        return std::make_unique<PausingDevice>(stop, pauseMs, opened);
    };
}

// A file of the given size, its bytes left unwritten.
inline void touch(const QString& path, qint64 size = 1000) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(size));
}

}  // namespace reelcase::test
