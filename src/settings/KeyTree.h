#pragma once

#include <map>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace reelcase {

// One root of the settings store: keys named by backslash paths (letter case ignored, as
// key names are), each holding named values; the empty name is the key's default value.
// Values are text, or of another type that the program only carries along.
class KeyTree {
  public:
    struct Value {
        QString name;
        bool isText = true;
        QString data;  // the text, or the other type's raw form
    };

    // Reads the store's text form; comments and lines it does not understand are kept, to be
    // written again after their key's values (or at the top, before any key).
    static KeyTree parse(const QByteArray& text);
    // The text form: a person can read and edit it.
    QByteArray serialise(const QString& title) const;

    bool hasKey(const QString& path) const;
    // Creates the key and any missing parents.
    void createKey(const QString& path);
    // Removes the key with every key below it; true when anything was removed.
    bool deleteTree(const QString& path);
    std::optional<Value> value(const QString& path, const QString& name) const;
    // The key must exist.
    void setText(const QString& path, const QString& name, const QString& text);
    void setOther(const QString& path, const QString& name, const QString& raw);

    // "\SOFTWARE\x" and "SOFTWARE\x\" name the same key.
    static QString normalised(const QString& path);

  private:
    struct Key {
        QString path;
        std::map<QString, Value> values;  // by lower-case name
        std::vector<QString> kept;        // comments and lines not understood
    };
    bool readValue(const QString& line, const QString& key);

    std::map<QString, Key> keys_;    // by lower-case path
    std::vector<QString> preamble_;  // the lines before the first key
};

}  // namespace reelcase
