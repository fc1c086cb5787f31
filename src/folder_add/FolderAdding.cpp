#include "folder_add/FolderAdding.h"

#include <string>

#include <QCoreApplication>
#include <QStringList>

#include "catalogue/TakeIn.h"

namespace reelcase {

namespace {

QString stepText(int count) {
    return count == 1 ? QCoreApplication::translate("FolderAdding", "Add 1 Movie from Folder")
                      : QCoreApplication::translate("FolderAdding", "Add %1 Movies from Folder")
                            .arg(count);
}

}  // namespace

FolderAddOutcome takeInFolderMovies(const std::vector<MovieForm>& forms, Catalogue& catalogue,
                                    MovieList& list, UserDialogs& dialogs) {
    FolderAddOutcome outcome;
    const MovieEditor editor(catalogue, dialogs);
    TakeIn takeIn(catalogue, list, forms.size());
    for (const MovieForm& form : forms) {
        const std::string_view name = std::string_view(form.name).substr(0, NameRoom);
        if (name.empty()) {
            ++outcome.notValid;
            continue;
        }
        if (takeIn.judge(name) != TakeIn::Verdict::Added) {
            continue;
        }
        // Made as the add dialog's OK makes it, from the bytes of the slot it takes.
        MovieEditRequest request;
        request.kind = MovieEditRequest::Kind::Add;
        request.slot = takeIn.nextSlot();
        request.record = catalogue.slot(request.slot);
        if (const std::optional<MovieRecord> record = editor.checkedRecord(form, request)) {
            takeIn.take(*record);
        } else {
            ++outcome.notValid;
        }
    }
    const TakeInCounts counts = takeIn.finish(TakeIn::Marks::Unsaved);
    outcome.added = counts.added;
    outcome.alreadyPresent = counts.alreadyPresent;
    outcome.leftOut = static_cast<int>(counts.leftOut);
    return outcome;
}

FolderAddOutcome addFolderMovies(const std::vector<MovieForm>& forms, Catalogue& catalogue,
                                 MovieList& list, UserDialogs& dialogs) {
    const CatalogueStepScope step(catalogue, stepText(0));
    const FolderAddOutcome outcome = takeInFolderMovies(forms, catalogue, list, dialogs);
    catalogue.nameStep(stepText(outcome.added));
    return outcome;
}

QString folderAddReport(const FolderAddOutcome& outcome) {
    QStringList lines;
    if (outcome.leftOut > 0) {
        lines << QCoreApplication::translate(
                     "FolderAdding",
                     "The database is full: %1 of the checked Movies were left out!")
                     .arg(outcome.leftOut);
    }
    if (outcome.alreadyPresent > 0) {
        lines << QCoreApplication::translate(
                     "FolderAdding", "%1 of the checked Movies already exist and were left out!")
                     .arg(outcome.alreadyPresent);
    }
    if (outcome.notValid > 0) {
        lines << QCoreApplication::translate(
                     "FolderAdding",
                     "%1 of the checked Movies were not complete and were left out!")
                     .arg(outcome.notValid);
    }
    if (lines.isEmpty()) {
        return {};
    }
    return QCoreApplication::translate("FolderAdding", "%1 Movies were added.\n")
               .arg(outcome.added) +
           lines.join(QLatin1Char('\n'));
}

}  // namespace reelcase
