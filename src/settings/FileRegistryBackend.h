#pragma once

#include <QString>

#include "seams/RegistryBackend.h"
#include "settings/KeyTree.h"

namespace reelcase {

// The real store: one readable text file per root in the user's configuration folder
// ($XDG_CONFIG_HOME/reel-case), each replaced atomically on every change.
class FileRegistryBackend : public RegistryBackend {
  public:
    // folder empty: the user's configuration folder.
    explicit FileRegistryBackend(QString folder = {});
    bool load(Root root, KeyTree& tree) override;
    bool save(Root root, const KeyTree& tree) override;
    QString fileOf(Root root) const;

  private:
    QString folder_;
};

}  // namespace reelcase
