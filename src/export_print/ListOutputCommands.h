#pragma once

#include <QString>

#include "careful_files/FileSystemCalls.h"
#include "program_state/ProgramState.h"
#include "seams/PrintDevice.h"
#include "seams/UserDialogs.h"

namespace reelcase {

// The two items of the "Movie List" menu, which share one handler.
enum class ListMenuItem { MenuPrintList, MenuExportList };

// The "Movie List" menu: the listed movies exported into a text file or printed.
// Tells how an export to path ended: the failure message, or the success naming the file.
void tellExportOutcome(UserDialogs& dialogs, bool written, const QString& path);

class ListOutputCommands {
  public:
    ListOutputCommands(ProgramState& state, UserDialogs& dialogs, FileSystemCalls& fileSystem,
                       PrintDevice& printDevice);

    // Writes the listed movies into a text file chosen by the user, or prints them.
    void outputList(ListMenuItem sender);

  private:
    void exportList();
    void printList();

    const Catalogue& catalogue_;
    const MovieList& list_;
    UserDialogs& dialogs_;
    FileSystemCalls& fileSystem_;
    PrintDevice& printDevice_;
    // The name chosen in the export dialog, offered again at its next use.
    QString lastExportName_;
};

}  // namespace reelcase
