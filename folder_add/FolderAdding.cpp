#include "folder_add/FolderAdding.h"

#include <string>

#include <QStringList>

#include "catalogue/NameIndex.h"

namespace reelcase {

namespace {

constexpr std::size_t kNameRoom = 29;

QString stepText(int count) {
    return count == 1 ? QStringLiteral("Add 1 Movie from Folder")
                      : QStringLiteral("Add %1 Movies from Folder").arg(count);
}

}  // namespace

FolderAddOutcome addFolderMovies(const std::vector<MovieForm>& forms, Catalogue& catalogue,
                                 MovieList& list, UserDialogs& dialogs) {
    FolderAddOutcome outcome;
    NameIndex taken(static_cast<std::size_t>(catalogue.movieCount()) + forms.size());
    for (int n = 1; n <= catalogue.movieCount(); ++n) {
        const std::string_view name = nameOf(catalogue.slot(n));
        if (!name.empty()) {
            taken.insert(name, n);
        }
    }
    // Which forms go in is settled first, so the undo step can be named by their number.
    std::vector<std::string> names(forms.size());
    std::vector<std::size_t> accepted;
    const int room = CatalogueCapacity - catalogue.movieCount();
    for (std::size_t i = 0; i < forms.size(); ++i) {
        names[i] = forms[i].name.substr(0, kNameRoom);
        if (names[i].empty()) {
            ++outcome.notValid;
        } else if (!taken.insert(names[i], 0).second) {
            ++outcome.alreadyPresent;
        } else if (static_cast<int>(accepted.size()) >= room) {
            ++outcome.leftOut;
        } else {
            accepted.push_back(i);
        }
    }
    if (accepted.empty()) {
        return outcome;
    }
    const MovieEditor editor(catalogue, dialogs);
    std::vector<std::string_view> added;
    added.reserve(accepted.size());
    {
        const CatalogueStepScope step(catalogue, stepText(static_cast<int>(accepted.size())));
        for (const std::size_t i : accepted) {
            MovieEditRequest request;
            request.kind = MovieEditRequest::Kind::Add;
            request.slot = catalogue.movieCount() + 1;
            request.record = catalogue.slot(request.slot);
            const std::optional<MovieRecord> record = editor.btnAddOkClick(forms[i], request);
            if (!record) {
                ++outcome.notValid;
                continue;
            }
            const int slot = catalogue.addMovie(*record);
            added.push_back(nameOf(catalogue.slot(slot)));
        }
    }
    outcome.added = static_cast<int>(added.size());
    list.addAll(added);
    return outcome;
}

QString folderAddReport(const FolderAddOutcome& outcome) {
    QStringList lines;
    if (outcome.leftOut > 0) {
        lines << QStringLiteral("The database is full: %1 of the checked Movies were left out!")
                     .arg(outcome.leftOut);
    }
    if (outcome.alreadyPresent > 0) {
        lines << QStringLiteral("%1 of the checked Movies already exist and were left out!")
                     .arg(outcome.alreadyPresent);
    }
    if (outcome.notValid > 0) {
        lines << QStringLiteral("%1 of the checked Movies were not complete and were left out!")
                     .arg(outcome.notValid);
    }
    if (lines.isEmpty()) {
        return {};
    }
    return QStringLiteral("%1 Movies were added.\n").arg(outcome.added) +
           lines.join(QLatin1Char('\n'));
}

}  // namespace reelcase
