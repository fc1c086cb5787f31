#include "exchange/VerifyReport.h"

#include <QStringList>

#include "careful_files/FileNames.h"
#include "exchange/ByteTable.h"
#include "exchange/ListExports.h"

namespace reelcase {

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

// A file name as its bytes, so that a script finds the very file.
std::string pathBytes(const QString& path) {
    const QByteArray bytes = fileNameBytes(path);
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString formatOf(const FolderRow& row) {
    return row.format >= 0 ? QString::fromLatin1(FormatNames[static_cast<std::size_t>(row.format)])
                           : QString();
}

void appendFiles(const QStringList& files, std::string& out) {
    for (const QString& f : files) {
        out += "    " + pathBytes(f) + '\n';
    }
}

// The values that differ, as "length 95 -> 97 min, size 700 -> 690 MB".
QString differences(const MovieValues& before, const MovieValues& after) {
    QStringList parts;
    const auto number = [&](int a, int b, const char* what, const char* unit) {
        if (a != b) {
            parts << QStringLiteral("%1 %2 -> %3%4")
                         .arg(QLatin1String(what))
                         .arg(a)
                         .arg(b)
                         .arg(QLatin1String(unit));
        }
    };
    number(before.length, after.length, "length", " min");
    number(before.size, after.size, "size", " MB");
    number(before.quality, after.quality, "quality", "");
    if (before.format != after.format) {
        parts << QStringLiteral("format %1 -> %2").arg(before.format, after.format);
    }
    return parts.join(QStringLiteral(", "));
}

QString valuesText(const QString& format, long long minutes, long long megabytes, int quality) {
    return QStringLiteral("%1, %2 min, %3 MB, quality %4")
        .arg(format.isEmpty() ? QStringLiteral("no format") : format)
        .arg(minutes)
        .arg(megabytes)
        .arg(quality);
}

void heading(const char* title, std::size_t count, std::string& out) {
    out += title;
    out += " (" + std::to_string(count) + "):\n";
}

}  // namespace

std::string verifyText(const CheckTable& table, const SkippedCounts& skipped) {
    std::string out;
    heading("Changed", table.changed().size(), out);
    for (const ChangedRow& row : table.changed()) {
        const QString detail = row.failure.isEmpty()
                                   ? differences(row.before, row.after)
                                   : QStringLiteral("cannot be measured: ") + row.failure;
        out += "  " + utf8(row.name) + ": " + utf8(detail) + '\n';
        appendFiles(row.files, out);
    }
    heading("Not found in these folders", table.missing().size(), out);
    const ByteTable& bytes = ByteTable::shared();
    for (const MissingRow& row : table.missing()) {
        const MovieRecord& m = table.movie(row.slot);
        out += "  ";
        bytes.appendUtf8(nameOf(m), out);
        out += ": " +
               utf8(valuesText(bytes.toUnicode(fieldText(m.Format)), m.Length, m.Size, m.Quality)) +
               '\n';
    }
    const FolderAddTable& fresh = table.newFiles();
    heading("New files", static_cast<std::size_t>(fresh.size()), out);
    for (int i = 0; i < fresh.size(); ++i) {
        const FolderRow& row = fresh.row(i);
        QString detail;
        if (row.status == RowStatus::Unreadable) {
            detail = fresh.statusText(i);
        } else {
            detail = valuesText(formatOf(row), row.minutes, row.megabytes, row.quality + 1);
            if (row.status != RowStatus::New) {
                detail += QStringLiteral(" (") + fresh.statusText(i) + QLatin1Char(')');
            }
        }
        out += "  " + utf8(row.name) + ": " + utf8(detail) + '\n';
        appendFiles(row.files, out);
    }
    out += "In step: " + std::to_string(table.inStep()) +
           (table.inStep() == 1 ? " movie\n" : " movies\n");
    if (const QString passed = skippedText(skipped); !passed.isEmpty()) {
        out += "Skipped: " + utf8(passed) + ".\n";
    }
    return out;
}

LargeString verifyCsv(const CheckTable& table) {
    LargeString out;
    out.append(VerifyCsvHeader);
    out.append("\r\n");
    // A row: the group, the name, old and new of each value (empty where there is none), the
    // note, and up to MaxParts files.
    const auto row = [&](const char* group, const QString& name, const MovieValues* before,
                         const MovieValues* after, const QString& note, const QStringList& files) {
        out.append(group);
        const auto field = [&](const std::string& text) {
            out.push_back(',');
            appendCsvField(text, out);
        };
        const auto number = [&](const MovieValues* v, int MovieValues::*member) {
            out.push_back(',');
            if (v != nullptr) {
                out.append(std::to_string(v->*member));
            }
        };
        field(utf8(name));
        field(before != nullptr ? utf8(before->format) : std::string());
        field(after != nullptr ? utf8(after->format) : std::string());
        number(before, &MovieValues::length);
        number(after, &MovieValues::length);
        number(before, &MovieValues::size);
        number(after, &MovieValues::size);
        number(before, &MovieValues::quality);
        number(after, &MovieValues::quality);
        field(utf8(note));
        for (int p = 0; p < MaxParts; ++p) {
            field(p < files.size() ? pathBytes(files.at(p)) : std::string());
        }
        out.append("\r\n");
    };
    for (const ChangedRow& r : table.changed()) {
        const bool measured = r.failure.isEmpty();
        row("changed", r.name, &r.before, measured ? &r.after : nullptr,
            measured ? QString() : QStringLiteral("unreadable: ") + r.failure, r.files);
    }
    const ByteTable& bytes = ByteTable::shared();
    for (const MissingRow& r : table.missing()) {
        const MovieRecord& m = table.movie(r.slot);
        const MovieValues stored{m.Length, m.Size, m.Quality, bytes.toUnicode(fieldText(m.Format))};
        row("not found", bytes.toUnicode(nameOf(m)), &stored, nullptr, {}, {});
    }
    const FolderAddTable& fresh = table.newFiles();
    for (int i = 0; i < fresh.size(); ++i) {
        const FolderRow& r = fresh.row(i);
        const bool measured = r.status != RowStatus::Unreadable;
        const MovieValues after{static_cast<int>(r.minutes), static_cast<int>(r.megabytes),
                                r.quality + 1, formatOf(r)};
        row("new", r.name, nullptr, measured ? &after : nullptr, fresh.statusText(i), r.files);
    }
    return out;
}

}  // namespace reelcase
