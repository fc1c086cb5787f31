#include "exchange/CommandLine.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "careful_files/AtomicFile.h"
#include "careful_files/FileErrors.h"
#include "careful_files/FileNames.h"
#include "careful_files/ResolvedPath.h"
#include "careful_files/SavingMark.h"
#include "careful_files/WriteLock.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/EnteredPath.h"
#include "catalogue/SlotChains.h"
#include "disk_check/CheckFolders.h"
#include "disk_check/CheckRun.h"
#include "exchange/ByteTable.h"
#include "exchange/CatalogueCheck.h"
#include "exchange/Collection.h"
#include "exchange/CollectionImport.h"
#include "exchange/CommandInput.h"
#include "exchange/ListExports.h"
#include "exchange/VerifyReport.h"
#include "exchange/Vocabulary.h"
#include "export_print/ExportRows.h"
#include "finding/NameSearch.h"
#include "launcher/ProgramChoice.h"
#include "statistics/MovieStatistics.h"
#include "statistics/StatisticsText.h"

#ifndef REELCASE_VERSION
#define REELCASE_VERSION "unknown"
#endif

namespace reelcase {

namespace {

constexpr int kDone = 0;
constexpr int kFindings = 1;
constexpr int kFailed = 2;

constexpr std::string_view kSynopsis =
    "Usage: reelcase [CATALOGUE.rcb]\n"
    "       reelcase export CATALOGUE.rcb [--format text|csv|html] [-o OUT]\n"
    "       reelcase import SOURCE -o CATALOGUE.rcb [--force]\n"
    "       reelcase check CATALOGUE.rcb\n"
    "       reelcase list CATALOGUE.rcb [--genre G] [--rating R] [--format F]\n"
    "                     [--quality Q] [--name TEXT]\n"
    "       reelcase verify CATALOGUE.rcb FOLDER... [--format text|csv] [--measure-all]\n"
    "       reelcase stats CATALOGUE.rcb [--by genre|format|rating|quality]\n"
    "                      [--format text|csv]\n"
    "       reelcase --help | --version\n";

constexpr std::string_view kDescription =
    "\n"
    "Without a command the catalogue window opens, with CATALOGUE.rcb if given: a name\n"
    "that exists, ends in .rcb or contains a '/', or any name after '--'. Any other\n"
    "word or option is refused with exit status 2 and never opens the window.\n"
    "\n"
    "Commands (no display needed):\n"
    "  export  write every movie as the Movie List text file (text, the default), as\n"
    "          comma-separated text (csv) or as a web page (html), to OUT or standard output\n"
    "  import  take the movies of SOURCE (comma- or semicolon-separated text with a header\n"
    "          row, a zipped .tc video collection or a .gcs film collection) into\n"
    "          CATALOGUE.rcb, or create it; a name already there keeps its record.\n"
    "          It refuses a CATALOGUE that is SOURCE itself, is not a catalogue file,\n"
    "          was cut off while being saved, or was changed by another program while\n"
    "          importing, unless --force is given\n"
    "  check   look through a catalogue file for damage, empty names and repeated names\n"
    "  list    the names, in list order, of the movies that pass every filter given\n"
    "  verify  match the movie files in FOLDER... and every folder below them with the\n"
    "          catalogue's movies by name (letter case ignored) and print the movies whose\n"
    "          files now measure otherwise, those no file matched, and the files of no movie,\n"
    "          with the files matched. A file (or its parts) whose whole megabytes equal the\n"
    "          stored size is taken as unchanged without being opened, unless --measure-all.\n"
    "          It changes nothing\n"
    "  stats   the number of movies, their hours and gigabytes, average length and size,\n"
    "          and how many have no length or size measured (zero or below), then the\n"
    "          same by genre, format, rating and quality, or only by the one --by names\n"
    "\n"
    "A file name that starts with '-' can follow '--'. '-' is standard input for the file\n"
    "a command reads (CATALOGUE.rcb of export, check, list, verify and stats; SOURCE) and\n"
    "standard output for OUT; a file named '-' is ./-. import writes into a catalogue file\n"
    "only.\n"
    "Exit status: 0 done, 1 done with findings (check, import, verify), 2 failed.\n";

// The options that take no value.
const QString kSwitches[] = {QStringLiteral("--force"), QStringLiteral("--measure-all")};

// A text as the program writes it: UTF-8, with the bytes of a file name that is not UTF-8
// as they were given, so that a message names the very file.
std::string bytesOf(const QString& text) {
    const QByteArray bytes = fileNameBytes(text);
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// false where the stream took less than all of it (a full disk, a closed pipe).
bool write(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

// Why a file failed, for a script's reader: the system's words for an errno value.
QString causeOf(int code) {
    if (code == ReadBeyondEndOfFile) {
        return QStringLiteral("not a whole number of %1-byte records").arg(RecordSize);
    }
    return QString::fromLocal8Bit(std::strerror(code));
}

class Command {
  public:
    Command(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}

    int fail(const QString& message) {
        write(err_, "reelcase: " + bytesOf(message) + "\n");
        return kFailed;
    }
    int usageError(const QString& message) {
        write(err_, "reelcase: " + bytesOf(message) + "\nTry 'reelcase --help'.\n");
        return kFailed;
    }
    // Arguments that are no command at all: the synopsis shows which there are.
    int startError(const QString& message) {
        write(err_, "reelcase: " + bytesOf(message) + "\n");
        write(err_, kSynopsis);
        write(err_, "Try 'reelcase --help'.\n");
        return kFailed;
    }
    int fileFailure(const QString& path, int code) {
        return fail(path + QStringLiteral(": ") + causeOf(code));
    }
    // Writes a command's output; a cut or failed output is a failure, with its cause.
    int output(std::string_view text, int status) {
        if (!write(out_, text) || std::fflush(out_) != 0) {
            return fail(QStringLiteral("standard output: ") + causeOf(errno));
        }
        return status;
    }

    std::FILE* out() const { return out_; }

  private:
    std::FILE* out_;
    std::FILE* err_;
};

// Splits a command's arguments into positional ones and options with their values.
struct ParsedArguments {
    QStringList positional;
    QList<QPair<QString, QString>> options;
    QString error;

    bool flag(const QString& name) const {
        return std::any_of(options.begin(), options.end(),
                           [&name](const auto& given) { return given.first == name; });
    }
    std::optional<QString> option(const QString& name) const {
        std::optional<QString> value;
        for (const auto& [n, v] : options) {
            if (n == name) {
                value = v;  // the last one given counts
            }
        }
        return value;
    }
};

ParsedArguments parse(const QStringList& args, const QStringList& known) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (optionsEnded || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            parsed.positional.append(a);
            continue;
        }
        if (a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = a;
        std::optional<QString> value;
        if (const qsizetype eq = a.indexOf(QLatin1Char('='));
            a.startsWith(QLatin1String("--")) && eq > 0) {
            name = a.left(eq);
            value = a.mid(eq + 1);
        }
        if (name == QLatin1String("--output")) {
            name = QStringLiteral("-o");
        }
        if (!known.contains(name)) {
            parsed.error = QStringLiteral("unknown option '%1'").arg(name);
            return parsed;
        }
        if (!value && std::ranges::find(kSwitches, name) != std::end(kSwitches)) {
            value = QString();  // a switch, with no value
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parsed.error = QStringLiteral("option '%1' needs a value").arg(name);
                return parsed;
            }
            value = args.at(++i);
        }
        parsed.options.append({name, *value});
    }
    return parsed;
}

// A catalogue file read into a fresh table, listed as the window would list it.
struct LoadedCatalogue {
    Catalogue catalogue;
    MovieList list;
};

// Reads the catalogue named by argument ("-": standard input); 0 or an errno value.
int loadInput(const QString& argument, CommandInput& input, LoadedCatalogue& loaded) {
    if (const int error = input.take(argument); error != 0) {
        return error;
    }
    return readCatalogueFile(input.path(), loaded.catalogue, loaded.list).error;
}

// The names of every named slot, as the list refresh fills the list. Opening lists the same
// names, unless a record without a name was taken in: it sorts first.
void listAllNames(LoadedCatalogue& loaded) {
    if (loaded.list.empty() || !loaded.list.at(0).empty()) {
        return;
    }
    std::vector<std::string_view> names;
    names.reserve(static_cast<std::size_t>(loaded.catalogue.movieCount()));
    for (int n = 1; n <= loaded.catalogue.movieCount(); ++n) {
        const std::string_view name = nameOf(loaded.catalogue.slot(n));
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    loaded.list.clear();
    loaded.list.addAll(names);
}

int writeOutput(Command& cmd, const std::optional<QString>& path, std::string_view bytes) {
    if (!path || isStandardStream(*path)) {
        return cmd.output(bytes, kDone);
    }
    if (const int error = writeFileSafely(*path, bytes, realFileSystem()); error != 0) {
        return cmd.fileFailure(*path, error);
    }
    return kDone;
}

// Whether two names lead to one file, so that an export cannot replace its own catalogue.
bool sameFile(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(fileNameBytes(a).constData(), &sa) == 0 &&
           ::stat(fileNameBytes(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

int exportCommand(Command& cmd, const QStringList& args) {
    const ParsedArguments p = parse(args, {QStringLiteral("--format"), QStringLiteral("-o")});
    if (!p.error.isEmpty()) {
        return cmd.usageError(p.error);
    }
    if (p.positional.size() != 1) {
        return cmd.usageError(QStringLiteral("export needs one catalogue file"));
    }
    const QString format = p.option(QStringLiteral("--format")).value_or(QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("csv") &&
        format != QLatin1String("html")) {
        return cmd.usageError(
            QStringLiteral("unknown format '%1' (text, csv or html)").arg(format));
    }
    CommandInput input;
    auto loaded = std::make_unique<LoadedCatalogue>();
    if (const int error = loadInput(p.positional.front(), input, *loaded); error != 0) {
        return cmd.fileFailure(input.shown(), error);
    }
    listAllNames(*loaded);
    std::string text;
    LargeString csv;
    if (format == QLatin1String("text")) {
        text = listExportBytes(loaded->catalogue, loaded->list);
    } else if (format == QLatin1String("csv")) {
        csv = listCsvBytes(loaded->catalogue, loaded->list, ByteTable::shared());
    } else {
        text = listHtmlBytes(loaded->catalogue, loaded->list, ByteTable::shared());
    }
    const std::string_view bytes = format == QLatin1String("csv") ? std::string_view(csv) : text;
    const std::optional<QString> target = p.option(QStringLiteral("-o"));
    if (target && sameFile(*target, input.path())) {
        return cmd.fail(*target +
                        QStringLiteral(": is the catalogue being exported; not replaced"));
    }
    return writeOutput(cmd, target, bytes);
}

// Whether the catalogue to import into may be taken as it is: not the source itself, not cut
// off mid-save, not something else than a catalogue. 0, or the exit status of a refusal.
int refusedTarget(Command& cmd, const QString& source, const QString& target, bool force) {
    if (force) {
        return kDone;
    }
    const QString again = QStringLiteral("; nothing written (--force to import all the same)");
    if (sameFile(source, target)) {
        return cmd.fail(target + QStringLiteral(": is the file being imported") + again);
    }
    if (carriesSavingMark(target)) {
        return cmd.fail(target + QStringLiteral(": ") + interruptedSaveText(target).chopped(1) +
                        again);
    }
    return kDone;
}

int importCommand(Command& cmd, const QStringList& args) {
    const ParsedArguments p = parse(args, {QStringLiteral("-o"), QStringLiteral("--force")});
    if (!p.error.isEmpty()) {
        return cmd.usageError(p.error);
    }
    const std::optional<QString> target = p.option(QStringLiteral("-o"));
    if (p.positional.size() != 1 || !target || target->isEmpty()) {
        return cmd.usageError(QStringLiteral("import needs one source and -o CATALOGUE.rcb"));
    }
    // The catalogue is read, added to and replaced where it lies, with its previous version
    // kept beside it, and standard output carries the report: a stream can be none of that.
    if (isStandardStream(*target)) {
        return cmd.usageError(QStringLiteral(
            "import writes into a catalogue file, not to standard output (-o - is for export)"));
    }
    // Standard input is taken before the catalogue is locked: a slow writer into the pipe
    // must not hold up the program's other writers.
    CommandInput input;
    if (const int error = input.take(p.positional.front()); error != 0) {
        return cmd.fileFailure(input.shown(), error);
    }
    const QString& source = input.path();
    const bool force = p.flag(QStringLiteral("--force"));
    if (const int refused = refusedTarget(cmd, source, *target, force); refused != kDone) {
        return refused;
    }
    // Held from reading the catalogue to replacing it: an import beside this one waits, then
    // reads what this one wrote.
    const ResolvedPath resolved = resolvePath(fileNameBytes(*target));
    WriteLock lock;
    const int locked =
        resolved.error != 0 ? resolved.error : lock.acquire(resolved.path, realFileSystem());
    if (locked == EWOULDBLOCK) {
        return cmd.fail(*target + QStringLiteral(": ") + lockedByAnotherText(lock.holder()) +
                        QStringLiteral(" Nothing written."));
    }
    if (locked != 0) {
        return cmd.fileFailure(*target, locked);
    }
    auto loaded = std::make_unique<LoadedCatalogue>();
    const OpenOutcome read = readCatalogueFile(*target, loaded->catalogue, loaded->list);
    // A catalogue that cannot be read whole is left as it is rather than written shorter.
    if (read.error == ReadBeyondEndOfFile && !force) {
        return cmd.fail(*target + QStringLiteral(": not a catalogue file (") + causeOf(read.error) +
                        QStringLiteral("); nothing written (--force to replace it)"));
    }
    if (read.error != 0 && read.error != ReadBeyondEndOfFile) {
        return cmd.fileFailure(*target, read.error);
    }
    const MappedCollection mapped = readAndMapCollection(source);
    if (mapped.error != 0) {
        return cmd.fileFailure(input.shown(), mapped.error);
    }
    if (!mapped.problem.isEmpty()) {
        return cmd.fail(input.shown() + QStringLiteral(": ") + mapped.problem);
    }
    const ImportReport report = takeInMapped(mapped, loaded->catalogue, loaded->list);
    if (report.added > 0 || lock.createdFile()) {
        listAllNames(*loaded);
        SaveOptions options;
        options.heldLock = &lock;
        if (!force) {
            options.expected = read.stamp;  // a writer that ignores the lock is still seen
        }
        const SaveOutcome saved =
            saveCatalogueFile(*target, loaded->catalogue, loaded->list, realFileSystem(), options);
        if (saved.error == ChangedSinceStamp) {
            return cmd.fail(*target +
                            QStringLiteral(": changed by another program while importing; "
                                           "nothing written (--force to write over it)"));
        }
        if (saved.error != 0) {
            return cmd.fileFailure(*target, saved.error);
        }
    }
    lock.release();
    return cmd.output(bytesOf(report.text()), report.hasFindings() ? kFindings : kDone);
}

int checkCommand(Command& cmd, const QStringList& args) {
    const ParsedArguments p = parse(args, {});
    if (!p.error.isEmpty()) {
        return cmd.usageError(p.error);
    }
    if (p.positional.size() != 1) {
        return cmd.usageError(QStringLiteral("check needs one catalogue file"));
    }
    CommandInput input;
    CheckResult result;
    int error = input.take(p.positional.front());
    if (error == 0) {
        error = checkCatalogueFile(input.path(), ByteTable::shared(), result);
    }
    if (error != 0) {
        return cmd.fileFailure(input.shown(), error);
    }
    // A save cut off is told first: the findings after it may come from the damage.
    std::string text;
    std::size_t findings = result.findings.size();
    if (!input.isStandardInput() && carriesSavingMark(input.path())) {
        text += bytesOf(interruptedSaveText(input.shown()));
        text += '\n';
        ++findings;
    }
    for (const std::string& f : result.findings) {
        text += f;
        text += '\n';
    }
    text += std::to_string(result.records) + (result.records == 1 ? " record, " : " records, ") +
            std::to_string(findings) + (findings == 1 ? " finding\n" : " findings\n");
    return cmd.output(text, findings == 0 ? kDone : kFindings);
}

int listCommand(Command& cmd, const QStringList& args) {
    const ParsedArguments p = parse(
        args, {QStringLiteral("--genre"), QStringLiteral("--rating"), QStringLiteral("--format"),
               QStringLiteral("--quality"), QStringLiteral("--name")});
    if (!p.error.isEmpty()) {
        return cmd.usageError(p.error);
    }
    if (p.positional.size() != 1) {
        return cmd.usageError(QStringLiteral("list needs one catalogue file"));
    }
    std::optional<std::string_view> genre;
    std::optional<std::string_view> rating;
    std::optional<std::string_view> format;
    std::optional<int> quality;
    std::optional<std::string> name;
    const ByteTable& table = ByteTable::shared();
    for (const auto& given : p.options) {
        const QString& option = given.first;
        const QString& value = given.second;
        const auto unknown = [&] {
            return cmd.usageError(QStringLiteral("no %1 '%2'").arg(option.mid(2), value));
        };
        if (option == QLatin1String("--genre") && !(genre = genreItem(value))) {
            return unknown();
        }
        if (option == QLatin1String("--rating") && !(rating = ratingItem(value))) {
            return unknown();
        }
        if (option == QLatin1String("--format") && !(format = formatItem(value))) {
            return unknown();
        }
        if (option == QLatin1String("--quality") && !(quality = qualityItem(value))) {
            return unknown();
        }
        if (option == QLatin1String("--name")) {
            name = table.toSingleByte(value);
        }
    }
    CommandInput input;
    auto loaded = std::make_unique<LoadedCatalogue>();
    if (const int error = loadInput(p.positional.front(), input, *loaded); error != 0) {
        return cmd.fileFailure(input.shown(), error);
    }
    listAllNames(*loaded);
    const Catalogue& c = loaded->catalogue;
    std::string text;
    forEachListedSlot(c, loaded->list, [&](int /*position*/, int slot) {
        const MovieRecord& m = c.slot(slot);
        if ((genre && fieldText(m.Genre) != *genre) || (rating && fieldText(m.Rating) != *rating) ||
            (format && fieldText(m.Format) != *format) || (quality && m.Quality != *quality) ||
            (name && !nameContains(nameOf(m), *name))) {
            return true;
        }
        table.appendUtf8(nameOf(m), text);
        text += '\n';
        return true;
    });
    return cmd.output(text, kDone);
}

int verifyCommand(Command& cmd, const QStringList& args, MeasuringModule& measuring) {
    const ParsedArguments p =
        parse(args, {QStringLiteral("--format"), QStringLiteral("--measure-all")});
    if (!p.error.isEmpty()) {
        return cmd.usageError(p.error);
    }
    if (p.positional.size() < 2) {
        return cmd.usageError(QStringLiteral("verify needs a catalogue file and a folder"));
    }
    const QString format = p.option(QStringLiteral("--format")).value_or(QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("csv")) {
        return cmd.usageError(QStringLiteral("unknown format '%1' (text or csv)").arg(format));
    }
    CheckRequest request;
    request.measureAll = p.flag(QStringLiteral("--measure-all"));
    for (const QString& given : p.positional.mid(1)) {
        const QString folder = enteredPath(given);
        if (const QString problem = folderProblem(folder); !problem.isEmpty()) {
            return cmd.fail(given + QStringLiteral(": ") + problem);
        }
        request.folders << folder;
    }
    CommandInput input;
    auto loaded = std::make_unique<LoadedCatalogue>();
    if (const int error = loadInput(p.positional.front(), input, *loaded); error != 0) {
        return cmd.fileFailure(input.shown(), error);
    }
    const FinishedCheck check = runCheckToEnd(loaded->catalogue, request, measuring.devices());
    if (const QString failure = measuring.failure(); !failure.isEmpty()) {
        return cmd.fail(QStringLiteral("cannot measure movie files: ") + failure);
    }
    const int status = check.table->allInStep() ? kDone : kFindings;
    if (format == QLatin1String("csv")) {
        const LargeString csv = verifyCsv(*check.table);
        return cmd.output(std::string_view(csv), status);
    }
    return cmd.output(verifyText(*check.table, check.skipped), status);
}

int statsCommand(Command& cmd, const QStringList& args) {
    const ParsedArguments p = parse(args, {QStringLiteral("--by"), QStringLiteral("--format")});
    if (!p.error.isEmpty()) {
        return cmd.usageError(p.error);
    }
    if (p.positional.size() != 1) {
        return cmd.usageError(QStringLiteral("stats needs one catalogue file"));
    }
    const QString format = p.option(QStringLiteral("--format")).value_or(QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("csv")) {
        return cmd.usageError(QStringLiteral("unknown format '%1' (text or csv)").arg(format));
    }
    std::optional<FilterBox> grouping;
    if (const std::optional<QString> by = p.option(QStringLiteral("--by"))) {
        for (const FilterBox g : StatisticsGroupings) {
            if (by->compare(QString::fromStdString(groupingName(g)), Qt::CaseInsensitive) == 0) {
                grouping = g;
            }
        }
        if (!grouping) {
            return cmd.usageError(
                QStringLiteral("unknown grouping '%1' (genre, format, rating or quality)")
                    .arg(*by));
        }
    }
    CommandInput input;
    auto loaded = std::make_unique<LoadedCatalogue>();
    if (const int error = loadInput(p.positional.front(), input, *loaded); error != 0) {
        return cmd.fileFailure(input.shown(), error);
    }
    listAllNames(*loaded);
    const MovieStatistics statistics =
        listedStatistics(loaded->catalogue, loaded->list, FilterChoice());
    return cmd.output(format == QLatin1String("csv") ? statisticsCsv(statistics, grouping)
                                                     : statisticsText(statistics, grouping),
                      kDone);
}

// Why arguments that are neither a command nor the window's are refused.
QString refusalOf(const QStringList& arguments) {
    const QString& first = arguments.front();
    const bool dashed = first == QLatin1String("--");
    if (isStandardStream(dashed ? arguments.value(1) : first)) {
        return QStringLiteral(
            "the window opens a catalogue file, not standard input (./- is a file named -)");
    }
    if (!dashed && first.startsWith(QLatin1Char('-'))) {
        return QStringLiteral("unknown option '%1'").arg(first);
    }
    if (dashed || namesCatalogue(fileNameBytes(first).toStdString())) {
        return QStringLiteral("the window opens one catalogue file: '%1' is one too many")
            .arg(arguments.value(dashed ? 2 : 1));
    }
    return QStringLiteral("unknown command '%1'").arg(first);
}

}  // namespace

namespace {

// The arguments with Qt's own options and their values taken out, by the launcher's rule.
QStringList withoutQtOptions(const QStringList& arguments) {
    std::vector<QByteArray> bytes;
    bytes.reserve(static_cast<std::size_t>(arguments.size()));
    std::vector<const char*> words;
    for (const QString& argument : arguments) {
        words.push_back(bytes.emplace_back(fileNameBytes(argument)).constData());
    }
    QStringList rest;
    for (const std::string_view word : reelcase::withoutQtOptions(words)) {
        rest.append(
            fileNameFromBytes(QByteArrayView(word.data(), static_cast<qsizetype>(word.size()))));
    }
    return rest;
}

}  // namespace

int runCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err,
                   MeasuringModule& measuring) {
    Command cmd(out, err);
    if (arguments.isEmpty()) {
        return cmd.usageError(QStringLiteral("no command"));
    }
    const QString& command = arguments.front();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        return cmd.output(std::string(kSynopsis).append(kDescription), kDone);
    }
    if (command == QLatin1String("--version")) {
        return cmd.output("reelcase " REELCASE_VERSION "\n", kDone);
    }
    if (command == QLatin1String("export")) {
        return exportCommand(cmd, rest);
    }
    if (command == QLatin1String("import")) {
        return importCommand(cmd, rest);
    }
    if (command == QLatin1String("check")) {
        return checkCommand(cmd, rest);
    }
    if (command == QLatin1String("list")) {
        return listCommand(cmd, rest);
    }
    if (command == QLatin1String("verify")) {
        return verifyCommand(cmd, rest, measuring);
    }
    if (command == QLatin1String("stats")) {
        return statsCommand(cmd, rest);
    }
    return cmd.startError(refusalOf(withoutQtOptions(arguments)));
}

}  // namespace reelcase
