#include "editing/MovieEditor.h"

#include <QCoreApplication>

#include "editing/WholeNumber.h"

namespace reelcase {

namespace {

template <std::size_t N>
int indexOf(const std::array<std::string_view, N>& vocabulary, std::string_view text, int before) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (vocabulary[i] == text) {
            return static_cast<int>(i);
        }
    }
    return before;
}

const char* const kFillIn = QT_TRANSLATE_NOOP(
    "MovieEditor", "Please Fill In The Complete Form, Enter Zero If You Don't Know The Info!");

}  // namespace

MovieEditor::MovieEditor(const Catalogue& catalogue, UserDialogs& dialogs)
    : catalogue_(catalogue), dialogs_(dialogs) {}

MovieForm MovieEditor::FormShow(const MovieEditRequest& request, const MovieForm& shownBefore) {
    if (!request.modify()) {
        MovieForm form;
        form.genre = 0;
        form.quality = 2;
        form.format = 0;
        form.rating = 2;
        return form;
    }
    const MovieRecord& r = request.record;
    MovieForm form = shownBefore;
    form.genre = indexOf(GenreNames, fieldText(r.Genre), shownBefore.genre);
    form.format = indexOf(FormatNames, fieldText(r.Format), shownBefore.format);
    form.rating = indexOf(RatingNames, fieldText(r.Rating), shownBefore.rating);
    form.quality =
        r.Quality < 1 ? -1 : (r.Quality > QualityCount ? QualityCount - 1 : r.Quality - 1);
    form.name = std::string(fieldText(r.Name));
    form.lengthText = std::to_string(r.Length);
    form.sizeText = std::to_string(r.Size);
    form.personalInfo = std::string(fieldText(r.PersonalInfo));
    return form;
}

std::optional<MovieRecord> MovieEditor::checkedRecord(const MovieForm& form,
                                                      const MovieEditRequest& request) const {
    if (form.personalInfo.size() > MaxPersonalInfo) {
        dialogs_.showMessage(QCoreApplication::translate(
            "MovieEditor", "The Personal Info Must Be Shorter Then 200 Characters"));
        return std::nullopt;
    }
    if (form.genre < 0 || form.quality < 0 || form.format < 0 || form.rating < 0 ||
        form.name.empty() || form.lengthText.empty() || form.sizeText.empty()) {
        dialogs_.showMessage(QCoreApplication::translate("MovieEditor", kFillIn));
        return std::nullopt;
    }
    const auto length = readWholeNumber(form.lengthText);
    const auto size = readWholeNumber(form.sizeText);
    if (!length || !size) {
        dialogs_.showMessage(
            QCoreApplication::translate("MovieEditor", "Your Input Is Not Valid!"));
        return std::nullopt;
    }
    const std::string_view name = std::string_view(form.name).substr(0, NameRoom);
    if (request.modify()) {
        // Two movies of one name would not survive a save and reopen: refuse the rename.
        for (int n = 1; n <= catalogue_.movieCount(); ++n) {
            if (n != request.slot && nameOf(catalogue_.slot(n)) == name) {
                dialogs_.showMessage(
                    QCoreApplication::translate("MovieEditor", "That Movie Already Exist!"));
                return std::nullopt;
            }
        }
    }
    MovieRecord r = request.record;
    setFieldText(r.Name, name);
    setFieldText(r.PersonalInfo, form.personalInfo);
    setFieldText(r.Genre, GenreNames.at(static_cast<std::size_t>(form.genre)));
    r.Quality = form.quality + 1;
    setFieldText(r.Format, FormatNames.at(static_cast<std::size_t>(form.format)));
    setFieldText(r.Rating, RatingNames.at(static_cast<std::size_t>(form.rating)));
    r.Length = *length;
    r.Size = *size;
    return r;
}

}  // namespace reelcase
