#pragma once

#include <map>

#include "settings/FileRegistryBackend.h"

namespace reelcase::test {

// The settings store in memory, kept in its text form so that each use parses afresh as the
// real store does; it can refuse access or refuse saves from a given save on.
class MemoryRegistryBackend : public RegistryBackend {
  public:
    bool refuseAccess = false;
    int savesBeforeFailure = -1;  // -1: never fail
    int saves = 0;

    bool load(Root root, KeyTree& tree) override {
        if (refuseAccess) {
            return false;
        }
        tree = KeyTree::parse(files[root]);
        return true;
    }
    bool save(Root root, const KeyTree& tree) override {
        if (refuseAccess || (savesBeforeFailure >= 0 && saves >= savesBeforeFailure)) {
            return false;
        }
        ++saves;
        files[root] = tree.serialise(QStringLiteral("test"));
        return true;
    }

    KeyTree tree(Root root) const {
        const auto it = files.find(root);
        return KeyTree::parse(it == files.end() ? QByteArray() : it->second);
    }
    QString text(Root root, const QString& key, const QString& name) const {
        const auto v = tree(root).value(key, name);
        return v ? v->data : QStringLiteral("<absent>");
    }

    std::map<Root, QByteArray> files;
};

}  // namespace reelcase::test
