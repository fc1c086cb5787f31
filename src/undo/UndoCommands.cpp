// The Edit menu's commands: undo and redo a change to the catalogue.
#include <algorithm>
#include <cstdlib>
#include <map>

#include <QCoreApplication>

#include "undo/UndoCommands.h"

namespace reelcase {

namespace {

// A "&" in a step's text (a movie's name) is shown, not taken as the item's key.
QString menuText(QString stepText) {
    return stepText.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Up to this many slots a step's names are taken out of and put into the list one by one;
// beyond, the list is refilled.
constexpr std::size_t kSlotsUpdatedInPlace = 256;

// A refill lists names equal but for letter case in the order of their slots: how many
// such names the slots before slot hold.
int equalNamesBefore(const Catalogue& catalogue, int slot, std::string_view name) {
    const CollationKey key = collationKey(name);
    int count = 0;
    for (int n = 1; n < slot; ++n) {
        const std::string_view other = nameOf(catalogue.slot(n));
        if (!other.empty()) {
            const CollationKey otherKey = collationKey(other);
            count += !(otherKey < key) && !(key < otherKey) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

QString UndoCommands::undoCaption() const {
    const CatalogueHistory& history = catalogue_.history();
    return history.canUndo() ? QCoreApplication::translate("UndoCommands", "&Undo %1")
                                   .arg(menuText(history.undoStep().text))
                             : QCoreApplication::translate("UndoCommands", "&Undo");
}

QString UndoCommands::redoCaption() const {
    const CatalogueHistory& history = catalogue_.history();
    return history.canRedo() ? QCoreApplication::translate("UndoCommands", "&Redo %1")
                                   .arg(menuText(history.redoStep().text))
                             : QCoreApplication::translate("UndoCommands", "&Redo");
}

void UndoCommands::undoStep() {
    if (const CatalogueStep* step = catalogue_.undo()) {
        showStepApplied(*step, true);
    }
    state_.requestSearchFocus();
}

void UndoCommands::redoStep() {
    if (const CatalogueStep* step = catalogue_.redo()) {
        showStepApplied(*step, false);
    }
    state_.requestSearchFocus();
}

void UndoCommands::showStepApplied(const CatalogueStep& step, bool undone) {
    state_.clearDetails();
    state_.clearSearchRows();
    state_.setFilters(FilterChoice{});
    const int fromCount = undone ? step.countAfter : step.countBefore;
    const int toCount = undone ? step.countBefore : step.countAfter;
    const int low = std::min(fromCount, toCount);
    const int high = std::max(fromCount, toCount);
    const std::size_t touched = step.changes.size() + static_cast<std::size_t>(high - low);
    if (!state_.fullListing() || touched > kSlotsUpdatedInPlace) {
        state_.rebuildFullListing();
        state_.stateChanged();
        return;
    }
    // The slots whose name may have come or gone: those the step changed, and those that
    // came into use or went out of it. Their bytes before this move are what the step now
    // keeps for a changed slot, the table's otherwise.
    std::map<int, const MovieRecord*> before;
    static const MovieRecord zero{};
    for (const CatalogueStep::SlotChange& change : step.changes) {
        before[change.slot] =
            change.stored < 0 ? &zero : &step.records[static_cast<std::size_t>(change.stored)];
    }
    for (int n = low + 1; n <= high; ++n) {
        before.try_emplace(n, &catalogue_.slot(n));
    }
    list_.select(-1);
    for (const auto& [slot, oldRecord] : before) {
        const std::string_view oldName =
            slot <= fromCount ? nameOf(*oldRecord) : std::string_view{};
        const std::string_view newName =
            slot <= toCount ? nameOf(catalogue_.slot(slot)) : std::string_view{};
        if (oldName == newName) {
            continue;
        }
        if (!oldName.empty()) {
            const int position = list_.positionOf(oldName);
            if (position >= 0) {
                list_.removeAt(position);
            }
        }
        if (!newName.empty()) {
            const int at = slot;  // copied: older compilers let no lambda capture a binding
            list_.add(newName, [&] { return equalNamesBefore(catalogue_, at, newName); });
        }
    }
    state_.stateChanged();
}

}  // namespace reelcase
