#pragma once

#include <QString>

#include "careful_files/FileSystemCalls.h"
#include "program_state/ProgramState.h"
#include "seams/BackgroundWork.h"
#include "seams/UserDialogs.h"

namespace reelcase {

// Beyond the designed commands: the listed movies written as comma-separated text or as a
// web page, and another program's collection taken in as Open takes in a file.
class ExchangeCommands {
  public:
    ExchangeCommands(ProgramState& state, UserDialogs& dialogs, FileSystemCalls& fileSystem,
                     BackgroundWork& work);

    void exportCsv();
    void exportWebPage();
    void importCollection();

  private:
    enum class ListFileKind { Csv, WebPage };
    void exportListFile(ListFileKind kind);

    ProgramState& state_;
    Catalogue& catalogue_;
    MovieList& list_;
    UserDialogs& dialogs_;
    FileSystemCalls& fileSystem_;
    // Reading, converting and writing run beside the window, with progress and Cancel.
    BackgroundWork& work_;
    // The names chosen in the export dialogs, offered again at their next use.
    QString lastCsvName_;
    QString lastWebPageName_;
};

}  // namespace reelcase
