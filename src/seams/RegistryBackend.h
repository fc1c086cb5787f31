#pragma once

namespace reelcase {

class KeyTree;

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

}  // namespace reelcase
