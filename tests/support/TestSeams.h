#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "main_window/MainWindowLogic.h"
#include "seams/BackgroundWork.h"
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
    // ownStore, ownWork: the test's own settings store or background work instead of the
    // empty store and the work done at once.
    explicit TestSeams(const Catalogue& catalogue, RegistryBackend* ownStore = nullptr,
                       BackgroundWork* ownWork = nullptr)
        : movieDialog(catalogue, dialogs),
          settingsInUse(ownStore != nullptr ? *ownStore : settings),
          workInUse(ownWork != nullptr ? *ownWork : work) {}
    FakeUserDialogs dialogs;
    FailingFileSystem fileSystem;
    MemoryRegistryBackend settings;
    FakeMovieDialog movieDialog;
    FakePrintDevice printer;
    FakeDesktopShell desktop;
    ImmediateWork work;
    // The folder window: each use hands back the next answer (nothing: cancelled).
    struct FakeFolderAdd : FolderAddDialog {
        std::deque<std::optional<std::vector<MovieForm>>> answers;
        std::vector<QString> folders;
        std::optional<std::vector<MovieForm>> ShowFolderAdd(const QString& folder) override {
            folders.push_back(folder);
            if (answers.empty()) {
                return std::nullopt;
            }
            auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
    } folderAdd;
    // The check windows: each use hands back the next answer (nothing: cancelled).
    struct FakeDiskCheck : DiskCheckDialog {
        std::deque<std::optional<CheckRequest>> folderAnswers;
        std::deque<std::optional<CheckChoices>> answers;
        std::vector<CheckRequest> offered;  // what the folder question started from
        std::vector<CheckRequest> checked;
        std::function<void()> whileOpen;
        std::optional<CheckRequest> ChooseCheckFolders(const CheckRequest& last) override {
            offered.push_back(last);
            return take(folderAnswers);
        }
        std::optional<CheckChoices> ShowCheck(const CheckRequest& request) override {
            checked.push_back(request);
            if (whileOpen) {
                whileOpen();
            }
            return take(answers);
        }
        template <typename T>
        static std::optional<T> take(std::deque<std::optional<T>>& queue) {
            if (queue.empty()) {
                return std::nullopt;
            }
            auto answer = queue.front();
            queue.pop_front();
            return answer;
        }
    } diskCheck;
    // The desktop's file types: each call is written down; fails makes them report failure.
    struct FakeFileTypes : FileTypeRegistration {
        std::vector<QString> calls;
        bool fails = false;
        bool registerCatalogueType(const QString& programPath) override {
            calls.push_back(QStringLiteral("register ") + programPath);
            return !fails;
        }
        bool unregisterCatalogueType() override {
            calls.emplace_back(QStringLiteral("unregister"));
            return !fails;
        }
    } fileTypes;
    // The statistics window: what each use showed, and how it picks a group.
    struct FakeStatistics : StatisticsDialog {
        std::vector<QString> titles;
        std::vector<Tally> totals;
        ItemChosen choose;
        void ShowStatistics(const MovieStatistics& statistics, const QString& title,
                            ItemChosen chosen) override {
            titles.push_back(title);
            totals.push_back(statistics.totals());
            choose = std::move(chosen);
        }
    } statistics;
    RegistryBackend& settingsInUse;
    BackgroundWork& workInUse;
    Seams seams() {
        return {dialogs, fileSystem, settingsInUse, movieDialog, printer,
                desktop, workInUse,  folderAdd,     diskCheck,   statistics};
    }
    // The same with some doubles replaced: by a real seam, or by a double of the test's own.
    struct Instead {
        UserDialogs* dialogs = nullptr;
        FileSystemCalls* fileSystem = nullptr;
        PrintDevice* printer = nullptr;
        DesktopShell* desktop = nullptr;
        FolderAddDialog* folderAdd = nullptr;
        DiskCheckDialog* diskCheck = nullptr;
        StatisticsDialog* statistics = nullptr;
    };
    Seams seams(const Instead& instead) {
        return {instead.dialogs != nullptr ? *instead.dialogs : dialogs,
                instead.fileSystem != nullptr ? *instead.fileSystem : fileSystem,
                settingsInUse,
                movieDialog,
                instead.printer != nullptr ? *instead.printer : printer,
                instead.desktop != nullptr ? *instead.desktop : desktop,
                workInUse,
                instead.folderAdd != nullptr ? *instead.folderAdd : folderAdd,
                instead.diskCheck != nullptr ? *instead.diskCheck : diskCheck,
                instead.statistics != nullptr ? *instead.statistics : statistics};
    }
    OwnedWindowSeams windowSeams() {
        return {settingsInUse, dialogs, fileTypes, QStringLiteral("/usr/bin/reelcase")};
    }
};

}  // namespace reelcase::test
