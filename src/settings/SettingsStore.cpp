#include "settings/SettingsStore.h"

namespace reelcase {

void SettingsStore::setRoot(Root root) {
    root_ = root;
    closeKey();
}

bool SettingsStore::openKey(const QString& path, bool create) {
    KeyTree tree;
    if (!backend_.load(root_, tree)) {
        return false;
    }
    if (!tree.hasKey(path)) {
        if (!create) {
            return false;
        }
        tree.createKey(path);
        if (!backend_.save(root_, tree)) {
            return false;
        }
    }
    openKey_ = KeyTree::normalised(path);
    return true;
}

SettingsStore::Read SettingsStore::readText(const QString& name) {
    KeyTree tree;
    if (openKey_.isEmpty() || !backend_.load(root_, tree)) {
        return {};
    }
    const auto value = tree.value(openKey_, name);
    if (!value) {
        return {};
    }
    if (!value->isText) {
        return {{}, true};
    }
    return {value->data, false};
}

bool SettingsStore::writeText(const QString& name, const QString& text) {
    KeyTree tree;
    if (openKey_.isEmpty() || !backend_.load(root_, tree)) {
        return false;
    }
    // Another copy of the program may have removed the key meanwhile: it comes back.
    tree.createKey(openKey_);
    tree.setText(openKey_, name, text);
    return backend_.save(root_, tree);
}

bool SettingsStore::deleteKey(const QString& path) {
    KeyTree tree;
    if (!backend_.load(root_, tree)) {
        return false;
    }
    return !tree.deleteTree(path) || backend_.save(root_, tree);
}

}  // namespace reelcase
