#include "folder_add/FolderAddTable.h"

#include <unordered_set>

#include "catalogue/NameIndex.h"
#include "catalogue/TextCodec.h"

namespace reelcase {

std::string storedMovieName(const QString& name) {
    std::string text = toCatalogueText(name);
    if (text.size() > NameRoom) {
        text.resize(NameRoom);
    }
    return text;
}

// English, as verify prints it for scripts; the folder windows show it translated.
QString statusText(RowStatus status) {
    switch (status) {
        case RowStatus::Measuring:
            return QString::fromLatin1(QT_TRANSLATE_NOOP("FolderStatus", "measuring"));
        case RowStatus::New:
            return QString::fromLatin1(QT_TRANSLATE_NOOP("FolderStatus", "new"));
        case RowStatus::AlreadyInCatalogue:
            return QString::fromLatin1(
                QT_TRANSLATE_NOOP("FolderStatus", "already in the catalogue"));
        case RowStatus::SameNameTwice:
            return QString::fromLatin1(
                QT_TRANSLATE_NOOP("FolderStatus", "same name twice in this folder"));
        case RowStatus::NameCut:
            return QString::fromLatin1(
                QT_TRANSLATE_NOOP("FolderStatus", "name cut to 29 characters"));
        case RowStatus::Unreadable:
            return QString::fromLatin1(QT_TRANSLATE_NOOP("FolderStatus", "unreadable"));
        case RowStatus::ChooseFormat:
            return QString::fromLatin1(QT_TRANSLATE_NOOP("FolderStatus", "format to choose"));
    }
    return {};
}

FolderAddTable::FolderAddTable(const Catalogue& catalogue)
    : catalogue_(catalogue), inCatalogue_(static_cast<std::size_t>(catalogue.movieCount()) + 16) {
    for (int n = 1; n <= catalogue_.movieCount(); ++n) {
        const std::string_view name = nameOf(catalogue_.slot(n));
        if (!name.empty()) {
            inCatalogue_.insert(name, n);
        }
    }
}

void FolderAddTable::setMovies(const std::vector<FolderMovie>& movies) {
    rows_.clear();
    rows_.reserve(movies.size());
    for (const FolderMovie& movie : movies) {
        FolderRow row;
        row.name = movie.name;
        row.files = movie.files;
        row.format = movie.format;
        row.formatFromExtension = movie.format != FormatToChoose;
        row.parts.resize(static_cast<std::size_t>(movie.files.size()));
        rows_.push_back(std::move(row));
    }
    refreshStatuses();
}

std::vector<int> FolderAddTable::takeMeasured(const std::vector<MeasuredPart>& parts) {
    std::vector<int> changed;
    for (const MeasuredPart& measured : parts) {
        if (measured.movie < 0 || measured.movie >= size()) {
            continue;
        }
        FolderRow& row = rows_[static_cast<std::size_t>(measured.movie)];
        if (measured.part < 0 || static_cast<std::size_t>(measured.part) >= row.parts.size()) {
            continue;
        }
        row.parts[static_cast<std::size_t>(measured.part)] = measured.measure;
        bool all = true;
        for (const auto& part : row.parts) {
            all = all && part.has_value();
        }
        if (!all) {
            continue;
        }
        std::vector<FileMeasure> measures;
        for (const auto& part : row.parts) {
            measures.push_back(*part);
        }
        const MovieMeasure sum = sumParts(row.files, measures);
        row.measured = true;
        row.failure = sum.failure;
        row.minutes = sum.failure.isEmpty() ? sum.minutes : 0;
        row.megabytes = sum.failure.isEmpty() ? sum.megabytes : 0;
        row.quality = sum.failure.isEmpty() ? sum.quality : -1;
        changed.push_back(measured.movie);
    }
    if (!changed.empty()) {
        refreshStatuses();
    }
    return changed;
}

int FolderAddTable::genreOf(int index) const {
    return row(index).genre.value_or(batchGenre_);
}

int FolderAddTable::ratingOf(int index) const {
    return row(index).rating.value_or(batchRating_);
}

QString FolderAddTable::statusText(int index) const {
    const FolderRow& r = row(index);
    if (r.status == RowStatus::Unreadable) {
        return QStringLiteral("unreadable: ") + r.failure;
    }
    return reelcase::statusText(r.status);
}

bool FolderAddTable::checkable(int index) const {
    const FolderRow& r = row(index);
    return r.measured && r.failure.isEmpty() && r.format >= 0;
}

bool FolderAddTable::setName(int index, const QString& name) {
    if (storableText(name).isEmpty()) {
        return false;
    }
    rows_[static_cast<std::size_t>(index)].name = name;
    refreshStatuses();
    return true;
}

void FolderAddTable::setFormat(int index, int format) {
    if (format < 0 || format >= static_cast<int>(FormatNames.size()) - 1) {
        return;
    }
    rows_[static_cast<std::size_t>(index)].format = format;
    refreshStatuses();
}

void FolderAddTable::setChecked(int index, bool checked) {
    FolderRow& r = rows_[static_cast<std::size_t>(index)];
    r.checked = checked && checkable(index);
    r.checkTouched = true;
}

void FolderAddTable::setGenre(int index, int genre) {
    rows_[static_cast<std::size_t>(index)].genre = genre;
}

void FolderAddTable::setRating(int index, int rating) {
    rows_[static_cast<std::size_t>(index)].rating = rating;
}

void FolderAddTable::setBatchGenre(int genre) {
    batchGenre_ = genre;
}

void FolderAddTable::setBatchRating(int rating) {
    batchRating_ = rating;
}

void FolderAddTable::refreshStatuses() {
    std::unordered_set<std::string> seen;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        FolderRow& r = rows_[i];
        const std::string stored = storedMovieName(r.name);
        const bool readable = !r.measured || r.failure.isEmpty();
        const bool first = readable && seen.insert(stored).second;
        if (!r.measured) {
            r.status = RowStatus::Measuring;
        } else if (!r.failure.isEmpty()) {
            r.status = RowStatus::Unreadable;
        } else if (inCatalogue_.find(stored) != nullptr) {
            r.status = RowStatus::AlreadyInCatalogue;
        } else if (!first) {
            r.status = RowStatus::SameNameTwice;
        } else if (r.format < 0) {
            r.status = RowStatus::ChooseFormat;
        } else if (toCatalogueText(r.name).size() > NameRoom) {
            r.status = RowStatus::NameCut;
        } else {
            r.status = RowStatus::New;
        }
        if (!r.checkTouched) {
            r.checked = r.status == RowStatus::New || r.status == RowStatus::NameCut;
        } else if (!checkable(static_cast<int>(i))) {
            r.checked = false;
        }
    }
}

MovieForm FolderAddTable::formOf(int index) const {
    const FolderRow& r = row(index);
    MovieForm form;
    form.name = toCatalogueText(r.name);
    form.genre = genreOf(index);
    form.quality = r.quality;
    form.format = r.format;
    form.rating = ratingOf(index);
    form.lengthText = std::to_string(r.minutes);
    form.sizeText = std::to_string(r.megabytes);
    return form;
}

std::vector<MovieForm> FolderAddTable::checkedForms() const {
    std::vector<MovieForm> forms;
    for (int i = 0; i < size(); ++i) {
        if (row(i).checked && checkable(i)) {
            forms.push_back(formOf(i));
        }
    }
    return forms;
}

}  // namespace reelcase
