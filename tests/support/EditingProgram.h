#pragma once

#include <string_view>
#include <vector>

#include <QStringList>

#include "main_window/MainWindowLogic.h"
#include "support/FailingFileSystem.h"
#include "support/FakeMovieDialog.h"
#include "support/FakeUserDialogs.h"
#include "support/Records.h"

namespace reelcase::test {

// The main window's logic with every dialog and the file system played by doubles; the file
// system behaves as the real one until a test tells it to fail.
struct EditingProgram {
    Catalogue catalogue;
    FakeUserDialogs dialogs;
    FailingFileSystem fileSystem;
    FakeMovieDialog movieDialog{catalogue, dialogs};
    MainWindowLogic logic{catalogue, dialogs, fileSystem};
    EditingProgram() { logic.setMovieDialog(&movieDialog); }

    // Add, with the dialog given these edits in turn.
    void add(std::vector<FakeMovieDialog::Edit> edits) {
        movieDialog.sessions.push_back({std::move(edits)});
        logic.MenuAddNewMovieClick();
    }
    int positionOf(std::string_view name) const {
        for (int i = 0; i < logic.list().size(); ++i) {
            if (logic.list().at(i) == name) {
                return i;
            }
        }
        return -1;
    }
    QStringList entries() const { return entriesOf(logic.list()); }
};

}  // namespace reelcase::test
