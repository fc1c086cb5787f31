#include <cstdio>

#include <QApplication>
#include <QFont>
#include <QSessionManager>

#include "careful_files/FileNames.h"
#include "careful_files/FileSystemCalls.h"
#include "catalogue/Catalogue.h"
#include "disk_check/ui/CheckWindow.h"
#include "editing/ui/untAddModifyMovie.h"
#include "exchange/WindowProgram.h"
#include "folder_add/ui/FolderAddWindow.h"
#include "look/ui/ClassicLook.h"
#include "main_window/MainWindowLogic.h"
#include "main_window/ReadyReport.h"
#include "main_window/ReelcaseProgram.h"
#include "platform/FfmpegMediaDevice.h"
#include "platform/UserLanguage.h"
#include "platform/ui/QtBackgroundWork.h"
#include "platform/ui/QtDesktopShell.h"
#include "platform/ui/QtPrintDevice.h"
#include "platform/ui/QtUserDialogs.h"
#include "seams/FileTypeRegistration.h"
#include "settings/FileRegistryBackend.h"
#include "settings/ui/untReelcasePreferences.h"
#include "statistics/ui/StatisticsWindow.h"

namespace {

// Measuring devices for the worker threads of the folder windows.
std::unique_ptr<reelcase::MediaDevice> measuringDevice(const std::atomic<bool>& stop) {
    return std::make_unique<reelcase::FfmpegMediaDevice>(&stop);
}

// The composition root: builds and owns the catalogue, the real seams, the windows and their
// wiring. Members are made in the order they are declared and destroyed in reverse, so each
// lives as long as what refers to it. The add dialog is made before the main window because
// the editing commands hold it (and the folder and check windows likewise); it joins the main
// window as soon as that exists, before either is shown, and Qt deletes it with the main window.
// The main window makes its other windows (preferences, about) itself.
class Program {
  public:
    // programPath: the program users start, which file associations name.
    Program(const QString& firstArgument, const QString& programPath)
        : frmAdd_(new reelcase::TfrmAdd(catalogue_, dialogs_, mediaDevice_)),
          frmFolderAdd_(new reelcase::TfrmFolderAdd(catalogue_, measuringDevice)),
          frmCheck_(new reelcase::TfrmCheck(catalogue_, dialogs_, measuringDevice)),
          frmStatistics_(new reelcase::TfrmStatistics(dialogs_)),
          logic_(catalogue_, {.dialogs = dialogs_,
                              .fileSystem = reelcase::realFileSystem(),
                              .settings = settings_,
                              .movieDialog = *frmAdd_,
                              .printer = printer_,
                              .desktop = desktop_,
                              .work = backgroundWork_,
                              .folderAddDialog = *frmFolderAdd_,
                              .diskCheckDialog = *frmCheck_,
                              .statisticsDialog = *frmStatistics_}),
          frmMain_(logic_, choices_,
                   {.settings = settings_,
                    .dialogs = dialogs_,
                    .fileTypes = fileTypes_,
                    .programPath = programPath}) {
        frmAdd_->setParent(&frmMain_, frmAdd_->windowFlags());
        frmFolderAdd_->setParent(&frmMain_, frmFolderAdd_->windowFlags());
        frmCheck_->setParent(&frmMain_, frmCheck_->windowFlags());
        frmStatistics_->setParent(&frmMain_, frmStatistics_->windowFlags());
        frmMain_.FormCreate(firstArgument);
    }

    reelcase::TfrmMain& mainWindow() { return frmMain_; }

  private:
    reelcase::Catalogue catalogue_;
    reelcase::QtUserDialogs dialogs_;
    reelcase::FileRegistryBackend settings_;
    reelcase::QtDesktopShell desktop_;
    reelcase::QtPrintDevice printer_;
    reelcase::FfmpegMediaDevice mediaDevice_;
    reelcase::XdgFileTypeRegistration fileTypes_;
    reelcase::QtBackgroundWork backgroundWork_;
    reelcase::AppearanceChoices choices_;
    reelcase::TfrmAdd* frmAdd_;                // owned by frmMain_ once it exists
    reelcase::TfrmFolderAdd* frmFolderAdd_;    // the same
    reelcase::TfrmCheck* frmCheck_;            // the same
    reelcase::TfrmStatistics* frmStatistics_;  // the same
    reelcase::MainWindowLogic logic_;
    reelcase::TfrmMain frmMain_;
};

}  // namespace

int main(int argc, char* argv[]) {
    reelcase::ignoreFileSizeLimitSignal();
    // The window program, started by the program users start (which runs the commands for
    // scripts itself); file associations name that one.
    QString programPath = reelcase::takeUserProgramPath();
    // Qt would abort with its plugin text: say it in one line, as the program users start does.
    if (!reelcase::displayGiven(argv)) {
        std::fputs(reelcase::NoDisplayText, stderr);
        return 2;
    }
    QApplication app(argc, argv);
    if (programPath.isEmpty()) {
        programPath = QApplication::applicationFilePath();
    }
    QApplication::setApplicationName(QStringLiteral("Reel-Case Database"));
    reelcase::useDesignedFonts();
    // The windows in the language of the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG),
    // installed before any window makes its texts.
    const reelcase::UserLanguage language(QLocale::system());

    // The arguments Qt left (it takes its own options out of argv), as the bytes they are:
    // QApplication::arguments() changes a name that is not UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(reelcase::fileNameFromBytes(argv[i]));
    }
    // "--" lets a catalogue whose name starts with "-" be opened.
    const int fileArgument = arguments.size() > 1 && arguments.at(1) == QLatin1String("--") ? 2 : 1;
    Program program(arguments.size() > fileArgument ? arguments.at(fileArgument) : QString(),
                    programPath);
    reelcase::TfrmMain& frmMain = program.mainWindow();

    // The desktop session ending asks the same questions as closing the window.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frmMain,
                     [&frmMain](QSessionManager& manager) {
                         if (manager.allowsInteraction()) {
                             if (!frmMain.close()) {
                                 manager.cancel();
                             }
                             manager.release();
                         }
                     });

    frmMain.show();
    // Only for the process benchmark, from outside the program: nothing unless asked for.
    const std::unique_ptr<reelcase::ReadyReport> report = reelcase::ReadyReport::fromEnvironment();
    if (report) {
        report->start(frmMain);
    }
    return QApplication::exec();
}
