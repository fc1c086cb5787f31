#include "folder_add/PartGrouping.h"

#include <algorithm>
#include <map>
#include <tuple>

#include <QRegularExpression>

#include "editing/FileAnalysis.h"

namespace reelcase {

namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('.') || c == QLatin1Char('_') ||
           c == QLatin1Char('-');
}

// The name with the characters from start to end taken out, and the separators and brackets
// that stood around them.
QString takeOut(const QString& name, qsizetype start, qsizetype end) {
    QString left = name.left(start);
    QString right = name.mid(end);
    if ((left.endsWith(QLatin1Char('[')) && right.startsWith(QLatin1Char(']'))) ||
        (left.endsWith(QLatin1Char('(')) && right.startsWith(QLatin1Char(')')))) {
        left.chop(1);
        right.remove(0, 1);
    }
    qsizetype l = left.size();
    while (l > 0 && isSeparator(left.at(l - 1))) {
        --l;
    }
    const QChar joint = l < left.size() ? left.at(l) : QLatin1Char(' ');
    left.truncate(l);
    qsizetype r = 0;
    while (r < right.size() && isSeparator(right.at(r))) {
        ++r;
    }
    right.remove(0, r);
    if (left.isEmpty()) {
        return right;
    }
    if (right.isEmpty()) {
        return left;
    }
    return left + joint + right;
}

const QRegularExpression& numberedMarker() {
    static const QRegularExpression re(
        QStringLiteral("(?<![A-Za-z0-9])(cd|disc|disk|part|pt)[ ._-]*(\\d{1,2})(?![A-Za-z0-9])"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression& ofMarker() {
    static const QRegularExpression re(
        QStringLiteral("(?<![A-Za-z0-9])\\(\\s*(\\d)\\s*of\\s*(\\d)\\s*\\)"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString folderOf(const QString& path) {
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace

std::optional<PartMarker> findPartMarker(const QString& name) {
    // The last marker counts: "Part 2 CD1" is the first file of the movie "Part 2".
    std::optional<PartMarker> found;
    qsizetype foundAt = -1;
    for (auto it = numberedMarker().globalMatch(name); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString kind = m.captured(1).toLower();
        if (kind == QLatin1String("disk")) {
            kind = QStringLiteral("disc");
        } else if (kind == QLatin1String("pt")) {
            kind = QStringLiteral("part");
        }
        found = PartMarker{kind, m.captured(2).toInt(), 0,
                           takeOut(name, m.capturedStart(), m.capturedEnd())};
        foundAt = m.capturedStart();
    }
    for (auto it = ofMarker().globalMatch(name); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedStart() > foundAt) {
            found = PartMarker{QStringLiteral("of"), m.captured(1).toInt(), m.captured(2).toInt(),
                               takeOut(name, m.capturedStart(), m.capturedEnd())};
            foundAt = m.capturedStart();
        }
    }
    return found;
}

std::vector<FolderMovie> groupParts(const std::vector<FoundFile>& files) {
    // Candidates by folder, name without the marker, marker kind and extension.
    using Key = std::tuple<QString, QString, QString, QString>;
    std::map<Key, std::vector<std::pair<int, std::size_t>>> candidates;
    std::vector<std::optional<PartMarker>> markers(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const NameAndExtension split = splitMovieFileName(files[i].path);
        markers[i] = findPartMarker(split.name);
        if (markers[i]) {
            const PartMarker& m = *markers[i];
            candidates[{folderOf(files[i].path), m.without, m.kind + QString::number(m.of),
                        split.extension}]
                .push_back({m.number, i});
        }
    }
    std::vector<int> groupOf(files.size(), -1);
    std::vector<std::vector<std::size_t>> groups;
    for (auto& [key, parts] : candidates) {
        std::sort(parts.begin(), parts.end());
        const int n = static_cast<int>(parts.size());
        const int of = markers[parts.front().second]->of;
        bool runs = n >= 2 && n <= MaxParts && (of == 0 || of == n);
        for (int k = 0; runs && k < n; ++k) {
            runs = parts[static_cast<std::size_t>(k)].first == k + 1;
        }
        if (!runs) {
            continue;
        }
        std::vector<std::size_t> members;
        for (const auto& part : parts) {
            groupOf[part.second] = static_cast<int>(groups.size());
            members.push_back(part.second);
        }
        groups.push_back(std::move(members));
    }
    std::vector<FolderMovie> movies;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (groupOf[i] < 0) {
            movies.push_back(
                {splitMovieFileName(files[i].path).name, {files[i].path}, files[i].format});
            continue;
        }
        const std::vector<std::size_t>& members = groups[static_cast<std::size_t>(groupOf[i])];
        // Listed once, where its first file in path order stands.
        if (*std::min_element(members.begin(), members.end()) != i) {
            continue;
        }
        FolderMovie movie{markers[members.front()]->without, {}, files[members.front()].format};
        for (std::size_t m : members) {
            movie.files << files[m].path;
        }
        movies.push_back(std::move(movie));
    }
    return movies;
}

}  // namespace reelcase
