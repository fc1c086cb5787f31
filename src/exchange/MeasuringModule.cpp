#include "exchange/MeasuringModule.h"

#include <dlfcn.h>

#include "careful_files/FileNames.h"

namespace reelcase {

namespace {

// Stands in for the module's devices where it could not be loaded.
class UnavailableDevice : public MediaDevice {
  public:
    explicit UnavailableDevice(QString reason) : reason_(std::move(reason)) {}
    bool open(const QString& /*path*/) override { return false; }
    void setTimeFormatMilliseconds() override {}
    std::int32_t length() override { return 0; }
    void stop() override {}
    void close() override {}
    QString failureReason() const override { return reason_; }

  private:
    QString reason_;
};

}  // namespace

MeasuringModule::MeasuringModule(std::vector<std::string> candidates)
    : candidates_(std::move(candidates)) {}

MeasuringModule::MakeDevice MeasuringModule::load() {
    std::call_once(loaded_, [this] {
        QString reason = QStringLiteral("no media reader found");
        for (const std::string& path : candidates_) {
            // Kept for the rest of the run: devices and their code live until the end.
            void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle == nullptr) {
                const char* error = ::dlerror();
                reason = error != nullptr ? fileNameFromBytes(error) : fileNameFromBytes(path);
                continue;
            }
            void* entry = ::dlsym(handle, MeasuringModuleEntry);
            if (entry != nullptr) {
                make_ = reinterpret_cast<MakeDevice>(entry);
                return;
            }
            reason = fileNameFromBytes(path) + QStringLiteral(": no ") +
                     QLatin1String(MeasuringModuleEntry);
        }
        const std::lock_guard lock(mutex_);
        failure_ = reason;
    });
    return make_;
}

FolderMeasuring::DeviceFactory MeasuringModule::devices() {
    return [this](const std::atomic<bool>& stop) -> std::unique_ptr<MediaDevice> {
        if (const MakeDevice make = load()) {
            return std::unique_ptr<MediaDevice>(make(&stop));
        }
        return std::make_unique<UnavailableDevice>(failure());
    };
}

bool ModuleMediaDevice::open(const QString& path) {
    if (!device_) {
        device_ = module_.devices()(neverStopped_);
    }
    return device_->open(path);
}

void ModuleMediaDevice::setTimeFormatMilliseconds() {
    if (device_) {
        device_->setTimeFormatMilliseconds();
    }
}

std::int32_t ModuleMediaDevice::length() {
    return device_ ? device_->length() : 0;
}

void ModuleMediaDevice::stop() {
    if (device_) {
        device_->stop();
    }
}

void ModuleMediaDevice::close() {
    if (device_) {
        device_->close();
    }
}

QString ModuleMediaDevice::failureReason() const {
    return device_ ? device_->failureReason() : QString();
}

QString MeasuringModule::failure() const {
    const std::lock_guard lock(mutex_);
    return failure_;
}

}  // namespace reelcase
