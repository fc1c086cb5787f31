#pragma once

#include <QString>

namespace reelcase {

// Makes the desktop open catalogue files with this program, for the user, or undoes that.
// Both return false when a file could not be written or removed; the cause goes to the log.
class FileTypeRegistration {
  public:
    virtual ~FileTypeRegistration() = default;
    [[nodiscard]] virtual bool registerCatalogueType(const QString& programPath) = 0;
    [[nodiscard]] virtual bool unregisterCatalogueType() = 0;
};

// The freedesktop.org way: a MIME package and a desktop entry in $XDG_DATA_HOME, their
// caches rebuilt, and the default application in $XDG_CONFIG_HOME/mimeapps.list. A missing
// cache tool is a warning on the standard error, not a failure.
class XdgFileTypeRegistration : public FileTypeRegistration {
  public:
    bool registerCatalogueType(const QString& programPath) override;
    bool unregisterCatalogueType() override;
};

}  // namespace reelcase
