#pragma once

#include "about_web/WebCommands.h"
#include "disk_check/CheckCommand.h"
#include "editing/EditingCommands.h"
#include "exchange/ExchangeCommands.h"
#include "export_print/ListOutputCommands.h"
#include "files/FileCommands.h"
#include "finding/FindingCommands.h"
#include "folder_add/FolderAddCommand.h"
#include "program_state/ProgramState.h"
#include "seams/FileTypeRegistration.h"
#include "statistics/StatisticsCommand.h"
#include "undo/UndoCommands.h"

namespace reelcase {

// Everything outside the program that the main window's commands use, built by the
// composition root (the program's main, or a test with its doubles).
struct Seams {
    UserDialogs& dialogs;
    FileSystemCalls& fileSystem;
    RegistryBackend& settings;
    MovieDialog& movieDialog;
    PrintDevice& printer;
    DesktopShell& desktop;
    BackgroundWork& work;
    FolderAddDialog& folderAddDialog;
    DiskCheckDialog& diskCheckDialog;
    StatisticsDialog& statisticsDialog;
};

// What the windows that the main window makes and owns (preferences, about) work with.
struct OwnedWindowSeams {
    RegistryBackend& settings;
    UserDialogs& dialogs;
    FileTypeRegistration& fileTypes;
    QString programPath;  // the program that file associations name
};

// What the main window shows and does, without the window: the shared state and each
// feature's commands over it. The window forwards its events to these and then shows the
// state.
class MainWindowLogic {
  public:
    MainWindowLogic(Catalogue& catalogue, const Seams& seams)
        : state(catalogue),
          files(state, seams.dialogs, seams.fileSystem, seams.settings),
          editing(state, seams.dialogs, seams.movieDialog),
          finding(state),
          output(state, seams.dialogs, seams.fileSystem, seams.printer),
          web(state, seams.desktop),
          undo(state),
          exchange(state, seams.dialogs, seams.fileSystem, seams.work),
          folderAdd(state, seams.dialogs, seams.folderAddDialog),
          diskCheck(state, seams.dialogs, seams.settings, seams.diskCheckDialog),
          statistics(state, finding, seams.statisticsDialog) {}
    MainWindowLogic(const MainWindowLogic&) = delete;
    MainWindowLogic& operator=(const MainWindowLogic&) = delete;

    ProgramState state;
    FileCommands files;
    EditingCommands editing;
    FindingCommands finding;
    ListOutputCommands output;
    WebCommands web;
    UndoCommands undo;
    ExchangeCommands exchange;
    FolderAddCommand folderAdd;
    DiskCheckCommand diskCheck;
    StatisticsCommand statistics;
};

}  // namespace reelcase
