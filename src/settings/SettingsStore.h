#pragma once

#include <QCoreApplication>
#include <QString>

#include "settings/FileRegistryBackend.h"

namespace reelcase {

// One handle on the settings store: a current root and at most one open key, with the five
// operations the program uses. Nothing is kept between handles.
class SettingsStore {
  public:
    explicit SettingsStore(RegistryBackend& backend) : backend_(backend) {}

    // Changing the root closes the open key.
    void setRoot(Root root);
    // Opens (or creates) a key; a failed open leaves no key open and says nothing.
    bool openKey(const QString& path, bool create);
    void closeKey() { openKey_.clear(); }

    struct Read {
        QString text;            // empty for an absent value or no open key
        bool wrongType = false;  // the value is not text
    };
    Read readText(const QString& name);
    // False when the store refuses, or no key is open.
    bool writeText(const QString& name, const QString& text);
    // Deletes a key with everything below it; an absent key is no failure.
    // False when the store could not be read or the change not saved.
    [[nodiscard]] bool deleteKey(const QString& path);

    static QString wrongTypeMessage(const QString& name) {
        return QCoreApplication::translate("SettingsStore", "Invalid data type for '%1'").arg(name);
    }

  private:
    RegistryBackend& backend_;
    Root root_ = Root::LocalMachine;
    QString openKey_;
};

}  // namespace reelcase
