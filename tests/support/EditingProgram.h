#pragma once

#include <string_view>
#include <vector>

#include <QStringList>

#include "main_window/MainWindowLogic.h"
#include "support/FailingFileSystem.h"
#include "support/FakeMovieDialog.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"
#include "support/TestSeams.h"

namespace reelcase::test {

// The main window's logic with every seam played by a double (see TestSeams).
struct EditingProgram {
    explicit EditingProgram(RegistryBackend* settingsStore = nullptr)
        : doubles(catalogue, settingsStore) {}
    Catalogue catalogue;
    TestSeams doubles;
    FakeUserDialogs& dialogs = doubles.dialogs;
    FailingFileSystem& fileSystem = doubles.fileSystem;
    MemoryRegistryBackend& settings = doubles.settings;
    FakeMovieDialog& movieDialog = doubles.movieDialog;
    FakePrintDevice& printer = doubles.printer;
    FakeDesktopShell& desktop = doubles.desktop;
    MainWindowLogic logic{catalogue, doubles.seams()};

    // Add, with the dialog given these edits in turn.
    void add(std::vector<FakeMovieDialog::Edit> edits) {
        movieDialog.sessions.push_back({std::move(edits)});
        logic.editing.addMovie();
    }
    int positionOf(std::string_view name) const {
        for (int i = 0; i < logic.state.list().size(); ++i) {
            if (logic.state.list().at(i) == name) {
                return i;
            }
        }
        return -1;
    }
    QStringList entries() const { return entriesOf(logic.state.list()); }
};

}  // namespace reelcase::test
