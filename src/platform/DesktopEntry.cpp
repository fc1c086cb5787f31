#include "platform/DesktopEntry.h"

#include <QStringList>

namespace reelcase {

namespace {

const QString kDefaults = QStringLiteral("[Default Applications]");

bool needsQuotes(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : argument) {
        if (reserved.contains(c)) {
            return true;
        }
    }
    return argument.isEmpty();
}

bool isOurDefault(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq > 0 && line.left(eq).trimmed() == CatalogueMimeType;
}

}  // namespace

QString desktopExecLine(const QString& programPath) {
    QString argument = programPath;
    if (needsQuotes(argument)) {
        QString quoted = QStringLiteral("\"");
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\')) {
                quoted += QLatin1Char('\\');
            }
            quoted += c;
        }
        argument = quoted + QLatin1Char('"');
    }
    // Field codes start with %, and a value's own escapes with a backslash.
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return argument + QStringLiteral(" %f");
}

QString withCatalogueDefault(const QString& mimeappsList, bool set) {
    QStringList lines = mimeappsList.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    const QString ours = CatalogueMimeType + QLatin1Char('=') + DesktopFileName;
    const QString former = CatalogueMimeType + QLatin1Char('=') + FormerDesktopFileName;
    qsizetype section = -1;
    qsizetype sectionEnd = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            if (section >= 0) {
                sectionEnd = i;
                break;
            }
            if (trimmed == kDefaults) {
                section = i;
            }
        }
    }
    if (section >= 0) {
        for (qsizetype i = sectionEnd - 1; i > section; --i) {
            if (isOurDefault(lines[i])) {
                if (!set && lines[i].trimmed() != ours && lines[i].trimmed() != former) {
                    continue;  // another program's default is not ours to remove
                }
                lines.removeAt(i);
                --sectionEnd;
            }
        }
        if (set) {
            lines.insert(section + 1, ours);
        }
    } else if (set) {
        if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty()) {
            lines << QString();
        }
        lines << kDefaults << ours;
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace reelcase
