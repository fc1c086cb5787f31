#pragma once

#include <QString>

#include "settings/KeyTree.h"

namespace reelcase {

enum class Root { LocalMachine, ClassesRoot };

// Where the settings store keeps its two key trees. Every use loads a tree afresh and saves
// it whole, so two running copies never tear it: the last writer wins.
class RegistryBackend {
  public:
    virtual ~RegistryBackend() = default;
    // Loads a root's tree, empty when nothing was stored yet. False when the store cannot be
    // opened for reading and writing: keys are opened with full access, also to read.
    virtual bool load(Root root, KeyTree& tree) = 0;
    virtual bool save(Root root, const KeyTree& tree) = 0;
};

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
