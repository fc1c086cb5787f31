#pragma once

#include <QString>
#include <QStringList>

#include "seams/RegistryBackend.h"

namespace reelcase {

// What a check runs over: the folders, and whether every file is measured, also those whose
// size tells they are unchanged.
struct CheckRequest {
    QStringList folders;  // absolute
    bool measureAll = false;
    bool operator==(const CheckRequest&) const = default;
};

// Why a folder cannot be checked, in the system's words; empty when it can be listed. A check
// against a folder that is not there (a disk not mounted) would find every movie missing, so
// such a folder stops the check instead.
QString folderProblem(const QString& folder);

// The last check's folders and choice, kept in the settings store beside the settings; an
// empty request when none was kept.
CheckRequest rememberedCheck(RegistryBackend& backend);
// Replaces what was kept; false when the store could not be written.
bool rememberCheck(RegistryBackend& backend, const CheckRequest& request);

}  // namespace reelcase
