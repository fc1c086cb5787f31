// The Movie Database menu's "Statistics...".
#include "statistics/StatisticsCommand.h"

#include "statistics/StatisticsText.h"

namespace reelcase {

StatisticsCommand::StatisticsCommand(ProgramState& state, FindingCommands& finding,
                                     StatisticsDialog& window)
    : state_(state), finding_(finding), window_(window) {}

void StatisticsCommand::showStatistics() {
    const MovieStatistics statistics =
        listedStatistics(state_.catalogue(), state_.list(), state_.filters());
    window_.ShowStatistics(
        statistics, statisticsWindowTitle(statistics.totals().movies, state_.filters()),
        [this](FilterBox grouping, int item) { chartItemChosen(grouping, item); });
}

void StatisticsCommand::chartItemChosen(FilterBox grouping, int item) {
    finding_.filterChanged(grouping, item);
    state_.stateChanged();
}

}  // namespace reelcase
