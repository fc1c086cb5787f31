#pragma once

#include <functional>

#include <QString>

#include "finding/FindingCommands.h"
#include "program_state/ProgramState.h"
#include "statistics/MovieStatistics.h"

namespace reelcase {

// The statistics window as the command sees it.
class StatisticsDialog {
  public:
    // Called when the user picks a group in a chart: its grouping and its filter box item.
    using ItemChosen = std::function<void(FilterBox grouping, int item)>;

    virtual ~StatisticsDialog() = default;
    // Shows the statistics under title beside the main window, which stays usable.
    virtual void ShowStatistics(const MovieStatistics& statistics, const QString& title,
                                ItemChosen chosen) = 0;
};

// Beyond the designed commands: the Movie Database menu's "Statistics...", over the movies the
// list shows, and the main list filtered to a group picked in its charts.
class StatisticsCommand {
  public:
    StatisticsCommand(ProgramState& state, FindingCommands& finding, StatisticsDialog& window);

    void showStatistics();
    // The list filtered to item of grouping's filter box, as picking it in the box does.
    void chartItemChosen(FilterBox grouping, int item);

  private:
    ProgramState& state_;
    FindingCommands& finding_;
    StatisticsDialog& window_;
};

}  // namespace reelcase
