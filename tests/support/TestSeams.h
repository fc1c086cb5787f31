#pragma once

#include "main_window/MainWindowLogic.h"
#include "support/FailingFileSystem.h"
#include "support/FakeDesktopShell.h"
#include "support/FakeMovieDialog.h"
#include "support/FakePrintDevice.h"
#include "support/FakeUserDialogs.h"
#include "support/MemoryRegistryBackend.h"

namespace reelcase::test {

// Every seam of the main window's commands played by a double; the file system behaves as
// the real one until a test tells it to fail, the settings store starts empty.
struct TestSeams {
    // settings: a store of the test's own instead of the empty one.
    explicit TestSeams(const Catalogue& catalogue, RegistryBackend* ownStore = nullptr)
        : movieDialog(catalogue, dialogs),
          settingsInUse(ownStore != nullptr ? *ownStore : settings) {}
    FakeUserDialogs dialogs;
    FailingFileSystem fileSystem;
    MemoryRegistryBackend settings;
    FakeMovieDialog movieDialog;
    FakePrintDevice printer;
    FakeDesktopShell desktop;
    RegistryBackend& settingsInUse;
    Seams seams() { return {dialogs, fileSystem, settingsInUse, movieDialog, printer, desktop}; }
};

}  // namespace reelcase::test
