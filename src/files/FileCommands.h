#pragma once

#include <optional>

#include <QString>

#include "careful_files/FileStamp.h"
#include "careful_files/FileSystemCalls.h"
#include "files/CatalogueReadAhead.h"
#include "program_state/ProgramState.h"
#include "seams/UserDialogs.h"
#include "settings/FileRegistryBackend.h"

namespace reelcase {

// The catalogue FormCreate(firstArgument) opens, found without a word to the user, so that
// it can be read ahead while the windows are made.
QString catalogueOpenedAtStart(const QString& firstArgument, RegistryBackend& settings);

// The File menu's catalogue commands (New, Open, Save, Save As), the catalogue opened at
// start, and the close query.
class FileCommands {
  public:
    FileCommands(ProgramState& state, UserDialogs& dialogs, FileSystemCalls& fileSystem,
                 RegistryBackend& settings);

    // At start: opens the first argument's catalogue, or else the last file, taking over
    // what readAhead read of it where it can.
    void FormCreate(const QString& firstArgument, CatalogueReadAhead* readAhead = nullptr);
    // Whether the main window may close: remembers the last file, offers to save unsaved
    // changes, or asks before quitting.
    bool FormCloseQuery();

    void startNewCatalogue();
    void openCatalogue();
    void saveCatalogue();
    void saveCatalogueAs();

  private:
    // Where a catalogue to open came from: the open dialog, the command line, or the
    // last-file setting at start.
    enum class OpenOrigin { Chosen, CommandLine, LastFile };
    // Takes in the file at path (absolute and clean) after the movies already listed. Only a
    // file taken in whole becomes the current file.
    void openCatalogue(const QString& path, OpenOrigin origin,
                       CatalogueReadAhead* readAhead = nullptr);
    // Writes the list's movies to path; true on success, otherwise the error box was shown.
    // Asks first when another program changed the file since it was read or written here.
    bool saveTo(const QString& path);

    ProgramState& state_;
    Catalogue& catalogue_;
    MovieList& list_;
    UserDialogs& dialogs_;
    FileSystemCalls& fileSystem_;
    RegistryBackend& settings_;
    // The catalogue file as it was last read or written here.
    QString stampedFile_;
    std::optional<FileStamp> stamp_;
};

}  // namespace reelcase
