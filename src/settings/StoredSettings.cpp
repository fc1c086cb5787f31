#include "settings/StoredSettings.h"

#include "settings/SettingsStore.h"

namespace reelcase {

namespace {

const QString kAsk = QStringLiteral("Ask_Before_Quiting");
const QString kLastFile = QStringLiteral("Open_Last_File");
const QString kFileType = QStringLiteral("\\Reel-Case.File");
const QString kExtension = QStringLiteral("\\.rcb");

// Reads a text value; a value of another type is reported and gives nothing.
std::optional<QString> readOrReport(SettingsStore& store, UserDialogs& dialogs,
                                    const QString& name) {
    const SettingsStore::Read read = store.readText(name);
    if (read.wrongType) {
        dialogs.showError(SettingsStore::wrongTypeMessage(name));
        return std::nullopt;
    }
    return read.text;
}

}  // namespace

QString associationCommand(const QString& programPath) {
    return QLatin1Char('"') + programPath + QStringLiteral("\" \"%1\"");
}

namespace {

QString lastFile(RegistryBackend& backend, UserDialogs* dialogs) {
    SettingsStore store(backend);
    store.setRoot(Root::LocalMachine);
    if (!store.openKey(SettingsKey, false)) {
        return {};
    }
    std::optional<QString> value;
    if (dialogs != nullptr) {
        value = readOrReport(store, *dialogs, kLastFile);
    } else if (const SettingsStore::Read read = store.readText(kLastFile); !read.wrongType) {
        value = read.text;
    }
    if (!value || *value == QStringLiteral(".")) {
        return {};
    }
    return *value;
}

}  // namespace

QString lastFileToReopen(RegistryBackend& backend, UserDialogs& dialogs) {
    return lastFile(backend, &dialogs);
}

QString lastFileToReopenQuietly(RegistryBackend& backend) {
    return lastFile(backend, nullptr);
}

void rememberLastFile(RegistryBackend& backend, UserDialogs& dialogs,
                      const QString& currentFileName) {
    SettingsStore store(backend);
    store.setRoot(Root::LocalMachine);
    if (!store.openKey(SettingsKey, false)) {
        return;
    }
    const auto value = readOrReport(store, dialogs, kLastFile);
    if (value && !value->isEmpty() && !currentFileName.isEmpty()) {
        store.writeText(kLastFile, currentFileName);
    }
}

bool asksBeforeQuitting(RegistryBackend& backend, UserDialogs& dialogs) {
    SettingsStore store(backend);
    store.setRoot(Root::LocalMachine);
    store.openKey(SettingsKey, false);
    const auto value = readOrReport(store, dialogs, kAsk);
    return !value || *value != QStringLiteral("0");
}

GeneralSettings readGeneralSettings(RegistryBackend& backend, UserDialogs& dialogs) {
    GeneralSettings settings;
    SettingsStore store(backend);
    store.setRoot(Root::LocalMachine);
    if (!store.openKey(SettingsKey, false)) {
        return settings;
    }
    settings.saveSettings = true;
    const auto ask = readOrReport(store, dialogs, kAsk);
    if (!ask) {
        return settings;
    }
    settings.askBeforeQuitting = *ask == QStringLiteral("1");
    const auto last = readOrReport(store, dialogs, kLastFile);
    if (!last) {
        return settings;
    }
    settings.openLastFile = !last->isEmpty();
    store.setRoot(Root::ClassesRoot);
    settings.associateFiles = store.openKey(kFileType, false);
    return settings;
}

bool saveGeneralSettings(RegistryBackend& backend, const GeneralSettings& settings,
                         const QString& currentFileName, const QString& programPath) {
    SettingsStore store(backend);
    if (!settings.saveSettings) {
        store.setRoot(Root::ClassesRoot);
        if (!store.deleteKey(kExtension) || !store.deleteKey(kFileType)) {
            return false;
        }
        store.setRoot(Root::LocalMachine);
        return store.deleteKey(SettingsKey);
    }
    store.setRoot(Root::LocalMachine);
    store.openKey(SettingsKey, true);
    if (!store.writeText(kAsk,
                         settings.askBeforeQuitting ? QStringLiteral("1") : QStringLiteral("0"))) {
        return false;
    }
    const QString last = !settings.openLastFile      ? QString()
                         : currentFileName.isEmpty() ? QStringLiteral(".")
                                                     : currentFileName;
    if (!store.writeText(kLastFile, last)) {
        return false;
    }
    store.setRoot(Root::ClassesRoot);
    if (!settings.associateFiles) {
        return store.deleteKey(kExtension) && store.deleteKey(kFileType);
    }
    const std::pair<QString, QString> association[] = {
        {kFileType, QStringLiteral("Reel-Case Database File")},
        {QStringLiteral("Reel-Case.File\\DefaultIcon"), programPath + QStringLiteral(",0")},
        {QStringLiteral("Reel-Case.File\\shell\\open\\command"), associationCommand(programPath)},
        {kExtension, QStringLiteral("Reel-Case.File")},
    };
    for (const auto& [key, text] : association) {
        store.openKey(key, true);
        const bool written = store.writeText({}, text);
        store.closeKey();
        if (!written) {
            return false;
        }
    }
    return true;
}

}  // namespace reelcase
