#pragma once

#include <QString>

#include "seams/UserDialogs.h"
#include "settings/FileRegistryBackend.h"

namespace reelcase {

// The key that holds "Ask_Before_Quiting" and "Open_Last_File".
inline const QString SettingsKey = QStringLiteral("\\SOFTWARE\\Reel-Case");

// The four general settings as the preferences window shows them.
struct GeneralSettings {
    bool saveSettings = false;
    bool askBeforeQuitting = false;
    bool openLastFile = false;
    bool associateFiles = false;
    bool operator==(const GeneralSettings&) const = default;
};

// At start: the catalogue to reopen, or empty ("." and an empty value open nothing).
QString lastFileToReopen(RegistryBackend& backend, UserDialogs& dialogs);
// The same without a word to the user: a value of another type gives nothing.
QString lastFileToReopenQuietly(RegistryBackend& backend);

// At the close query, before any question: an "Open_Last_File" that is not empty (the
// option is on) takes the current file. The key is never created here.
void rememberLastFile(RegistryBackend& backend, UserDialogs& dialogs,
                      const QString& currentFileName);

// At the close query: the quit question is asked unless "Ask_Before_Quiting" is exactly "0".
bool asksBeforeQuitting(RegistryBackend& backend, UserDialogs& dialogs);

// What the preferences window's general boxes show, read from the store.
GeneralSettings readGeneralSettings(RegistryBackend& backend, UserDialogs& dialogs);

// The preferences' OK: writes the two values and the file association, or removes them, in
// the designed order. Stops at the first failure and returns false.
bool saveGeneralSettings(RegistryBackend& backend, const GeneralSettings& settings,
                         const QString& currentFileName, const QString& programPath);

// The association's command: the program's path quoted, so that a path with blanks can never
// be read as another program followed by arguments.
QString associationCommand(const QString& programPath);

}  // namespace reelcase
