#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "seams/MovieDialog.h"

namespace reelcase {

// The folder window as the command sees it.
class FolderAddDialog {
  public:
    virtual ~FolderAddDialog() = default;
    // Scans and measures folder and lets the user choose; the chosen movies as the add
    // dialog's form would hold them, or nothing when the user cancelled.
    virtual std::optional<std::vector<MovieForm>> ShowFolderAdd(const QString& folder) = 0;
};

}  // namespace reelcase
