#include "disk_check/CheckTable.h"

#include <algorithm>
#include <limits>

#include "catalogue/NameCollation.h"
#include "catalogue/TextCodec.h"

namespace reelcase {

namespace {

int clampedInt(std::int64_t value) {
    return static_cast<int>(std::min<std::int64_t>(value, std::numeric_limits<int>::max()));
}

}  // namespace

MovieValues storedValues(const MovieRecord& record) {
    return {record.Length, record.Size, record.Quality,
            fromCatalogueText(fieldText(record.Format))};
}

CheckTable::CheckTable(const Catalogue& catalogue) : catalogue_(catalogue), newFiles_(catalogue) {}

bool CheckTable::before(int slotA, int slotB) const {
    const CollationKey a = collationKey(nameOf(catalogue_.slot(slotA)));
    const CollationKey b = collationKey(nameOf(catalogue_.slot(slotB)));
    if (a < b) {
        return true;
    }
    return !(b < a) && slotA < slotB;
}

void CheckTable::setPlan(CheckPlan plan) {
    plan_ = std::move(plan);
    const std::size_t count = plan_.movies.size();
    newRowOf_.assign(count, -1);
    matchedParts_.assign(count, {});
    std::vector<FolderMovie> fresh;
    for (std::size_t m = 0; m < count; ++m) {
        if (plan_.slotOf[m] == 0) {
            newRowOf_[m] = static_cast<int>(fresh.size());
            fresh.push_back(plan_.movies[m]);
        }
    }
    newFiles_.setMovies(fresh);
    for (const PartRef& ref : plan_.toMeasure) {
        const auto m = static_cast<std::size_t>(ref.movie);
        if (plan_.slotOf[m] != 0 && matchedParts_[m].empty()) {
            matchedParts_[m].resize(static_cast<std::size_t>(plan_.movies[m].files.size()));
            ++awaiting_;
        }
    }
    // In list order: each key made once, not at every comparison.
    std::vector<std::pair<CollationKey, int>> keyed;
    keyed.reserve(plan_.notFound.size());
    for (const int slot : plan_.notFound) {
        keyed.emplace_back(collationKey(nameOf(catalogue_.slot(slot))), slot);
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first < b.first || (!(b.first < a.first) && a.second < b.second);
    });
    missing_.clear();
    missing_.reserve(keyed.size());
    for (const auto& [key, slot] : keyed) {
        missing_.push_back({slot, false});
    }
    inStep_ = plan_.inStepBySize;
    changed_.clear();
}

std::vector<ChangedRow> CheckTable::takeMeasured(const std::vector<MeasuredPart>& parts) {
    std::vector<ChangedRow> found;
    std::vector<MeasuredPart> newParts;
    for (const MeasuredPart& part : parts) {
        if (part.movie < 0 || static_cast<std::size_t>(part.movie) >= plan_.movies.size()) {
            continue;
        }
        const auto m = static_cast<std::size_t>(part.movie);
        if (newRowOf_[m] >= 0) {
            newParts.push_back({newRowOf_[m], part.part, part.measure});
            continue;
        }
        auto& measures = matchedParts_[m];
        if (part.part < 0 || static_cast<std::size_t>(part.part) >= measures.size()) {
            continue;
        }
        measures[static_cast<std::size_t>(part.part)] = part.measure;
        if (!std::all_of(measures.begin(), measures.end(),
                         [](const auto& measure) { return measure.has_value(); })) {
            continue;
        }
        std::vector<FileMeasure> whole;
        for (const auto& measure : measures) {
            whole.push_back(*measure);
        }
        measures.clear();  // a part measured again cannot count the movie twice
        --awaiting_;
        const FolderMovie& movie = plan_.movies[m];
        const MovieMeasure sum = sumParts(movie.files, whole);
        const int slot = plan_.slotOf[m];
        const MovieRecord& record = catalogue_.slot(slot);
        ChangedRow row{slot,        fromCatalogueText(nameOf(record)),
                       movie.files, storedValues(record),
                       {},          sum.failure,
                       false};
        if (sum.failure.isEmpty()) {
            row.after = {
                clampedInt(sum.minutes), clampedInt(sum.megabytes), sum.quality + 1,
                movie.format >= 0
                    ? fromCatalogueText(FormatNames[static_cast<std::size_t>(movie.format)])
                    : row.before.format};
            if (row.after == row.before) {
                ++inStep_;
                continue;
            }
            row.checked = true;
        }
        found.push_back(std::move(row));
    }
    if (!newParts.empty()) {
        newFiles_.takeMeasured(newParts);
    }
    return found;
}

int CheckTable::changedPosition(const ChangedRow& row) const {
    const auto at = std::upper_bound(
        changed_.begin(), changed_.end(), row,
        [this](const ChangedRow& a, const ChangedRow& b) { return before(a.slot, b.slot); });
    return static_cast<int>(at - changed_.begin());
}

void CheckTable::insertChanged(int position, ChangedRow row) {
    changed_.insert(changed_.begin() + position, std::move(row));
}

void CheckTable::takeAllMeasured(const std::vector<MeasuredPart>& parts) {
    for (ChangedRow& row : takeMeasured(parts)) {
        const int position = changedPosition(row);
        insertChanged(position, std::move(row));
    }
}

bool CheckTable::allInStep() const {
    return awaiting_ == 0 && changed_.empty() && missing_.empty() && newFiles_.size() == 0;
}

void CheckTable::setChangedChecked(int row, bool checked) {
    ChangedRow& r = changed_[static_cast<std::size_t>(row)];
    r.checked = checked && r.failure.isEmpty();
}

void CheckTable::setMissingChecked(int row, bool checked) {
    missing_[static_cast<std::size_t>(row)].checked = checked;
}

int CheckTable::checkedDeletions() const {
    return static_cast<int>(std::count_if(missing_.begin(), missing_.end(),
                                          [](const MissingRow& r) { return r.checked; }));
}

CheckChoices CheckTable::choices() const {
    CheckChoices choices;
    for (const ChangedRow& row : changed_) {
        if (!row.checked || !row.failure.isEmpty()) {
            continue;
        }
        MovieRecord record = catalogue_.slot(row.slot);
        record.Length = row.after.length;
        record.Size = row.after.size;
        record.Quality = row.after.quality;
        if (row.after.format != row.before.format) {
            setFieldText(record.Format, toCatalogueText(row.after.format));
        }
        choices.updates.emplace_back(row.slot, record);
    }
    for (const MissingRow& row : missing_) {
        if (row.checked) {
            choices.deletions.push_back(row.slot);
        }
    }
    choices.additions = newFiles_.checkedForms();
    return choices;
}

}  // namespace reelcase
