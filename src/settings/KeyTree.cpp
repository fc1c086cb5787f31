#include "settings/KeyTree.h"

#include <QList>

#include <optional>

#include "careful_files/FileNames.h"

namespace reelcase {

namespace {

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

// Reads a quoted text at pos; returns it and moves pos past the closing quote.
std::optional<QString> unquote(const QString& line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != QLatin1Char('"')) {
        return std::nullopt;
    }
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return text;
        }
        if (c == QLatin1Char('\\') && pos + 1 < line.size()) {
            const QChar next = line[++pos];
            text += next == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                    : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                               : next;
        } else {
            text += c;
        }
    }
    return std::nullopt;
}

}  // namespace

QString KeyTree::normalised(const QString& path) {
    QString p = path;
    while (p.startsWith(QLatin1Char('\\'))) {
        p.remove(0, 1);
    }
    while (p.endsWith(QLatin1Char('\\'))) {
        p.chop(1);
    }
    return p;
}

// Reads one value line of key into tree; false when the line is not one.
bool KeyTree::readValue(const QString& line, const QString& key) {
    qsizetype pos = 0;
    QString name;
    if (line.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else {
        const auto n = unquote(line, pos);
        if (!n) {
            return false;
        }
        name = *n;
    }
    if (pos >= line.size() || line[pos] != QLatin1Char('=')) {
        return false;
    }
    ++pos;
    if (pos < line.size() && line[pos] == QLatin1Char('"')) {
        const auto data = unquote(line, pos);
        if (!data) {
            return false;
        }
        setText(key, name, *data);
    } else {
        setOther(key, name, line.mid(pos));
    }
    return true;
}

KeyTree KeyTree::parse(const QByteArray& text) {
    KeyTree tree;
    QString key;
    bool inKey = false;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray& raw : lines) {
        const QString line = fileNameFromBytes(raw).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            key = normalised(line.mid(1, line.size() - 2));
            inKey = !key.isEmpty();
            if (inKey) {
                tree.createKey(key);
                continue;
            }
        } else if (inKey && !line.startsWith(QLatin1Char(';')) && tree.readValue(line, key)) {
            continue;
        }
        // A comment or a line not understood: carried along, after its key's values. It is
        // written back ending in a bare line feed, so every return ending it goes (one alone
        // would leave the rest to lose one at each rewrite).
        QString kept = fileNameFromBytes(raw);
        while (kept.endsWith(QLatin1Char('\r'))) {
            kept.chop(1);
        }
        if (inKey) {
            tree.keys_[key.toLower()].kept.push_back(kept);
        } else {
            tree.preamble_.push_back(kept);
        }
    }
    return tree;
}

QByteArray KeyTree::serialise(const QString& title) const {
    QString out;
    if (preamble_.empty()) {
        out = QStringLiteral("; ") + title + QLatin1Char('\n');
    }
    for (const QString& line : preamble_) {
        out += line + QLatin1Char('\n');
    }
    for (const auto& [lower, key] : keys_) {
        out += QStringLiteral("\n[") + key.path + QStringLiteral("]\n");
        for (const auto& [lowerName, v] : key.values) {
            out += v.name.isEmpty() ? QStringLiteral("@") : quoted(v.name);
            out += QLatin1Char('=');
            out += v.isText ? quoted(v.data) : v.data;
            out += QLatin1Char('\n');
        }
        for (const QString& line : key.kept) {
            out += line + QLatin1Char('\n');
        }
    }
    // The file is UTF-8 text but for the bytes of a stored path that is not.
    return fileNameBytes(out);
}

bool KeyTree::hasKey(const QString& path) const {
    return keys_.contains(normalised(path).toLower());
}

void KeyTree::createKey(const QString& path) {
    const QString p = normalised(path);
    if (p.isEmpty()) {
        return;
    }
    const qsizetype slash = p.lastIndexOf(QLatin1Char('\\'));
    if (slash > 0) {
        createKey(p.left(slash));
    }
    keys_.try_emplace(p.toLower(), Key{p, {}, {}});
}

bool KeyTree::deleteTree(const QString& path) {
    const QString p = normalised(path).toLower();
    if (p.isEmpty()) {
        return false;
    }
    bool removed = false;
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == p || it->first.startsWith(p + QLatin1Char('\\'))) {
            it = keys_.erase(it);
            removed = true;
        } else {
            ++it;
        }
    }
    return removed;
}

std::optional<KeyTree::Value> KeyTree::value(const QString& path, const QString& name) const {
    const auto key = keys_.find(normalised(path).toLower());
    if (key == keys_.end()) {
        return std::nullopt;
    }
    const auto v = key->second.values.find(name.toLower());
    if (v == key->second.values.end()) {
        return std::nullopt;
    }
    return v->second;
}

void KeyTree::setText(const QString& path, const QString& name, const QString& text) {
    auto key = keys_.find(normalised(path).toLower());
    if (key != keys_.end()) {
        key->second.values[name.toLower()] = Value{name, true, text};
    }
}

void KeyTree::setOther(const QString& path, const QString& name, const QString& raw) {
    auto key = keys_.find(normalised(path).toLower());
    if (key != keys_.end()) {
        key->second.values[name.toLower()] = Value{name, false, raw};
    }
}

}  // namespace reelcase
