#include <cstdio>
#include <cstdlib>
#include <optional>

#include <QApplication>
#include <QFont>
#include <QSessionManager>

#include "careful_files/FileNames.h"
#include "careful_files/FileSystemCalls.h"
#include "catalogue/Catalogue.h"
#include "exchange/MeasuringModule.h"
#include "files/CatalogueReadAhead.h"
#include "files/FileCommands.h"
#include "launcher/ProgramPaths.h"
#include "look/ui/ClassicLook.h"
#include "main_window/MainWindowLogic.h"
#include "main_window/ReadyReport.h"
#include "main_window/ReelcaseProgram.h"
#include "main_window/WindowsOnFirstUse.h"
#include "platform/UserLanguage.h"
#include "platform/ui/QtBackgroundWork.h"
#include "platform/ui/QtDesktopShell.h"
#include "platform/ui/QtPrintDevice.h"
#include "platform/ui/QtUserDialogs.h"
#include "seams/FileTypeRegistration.h"
#include "settings/FileRegistryBackend.h"

namespace {

// The path of the program the user started, which is what a file association must name;
// empty when the window program was started directly. The note left for it is removed before
// any thread starts, so that programs the window starts do not inherit it.
QString takeUserProgramPath() {
    const char* given = std::getenv(reelcase::UserProgramVariable);
    QString path =
        given != nullptr && given[0] == '/' ? reelcase::fileNameFromBytes(given) : QString();
    ::unsetenv(reelcase::UserProgramVariable);
    return path;
}

// The composition root: builds and owns the catalogue, the real seams, the windows and their
// wiring. Members are made in the order they are declared and destroyed in reverse, so each
// lives as long as what refers to it. The windows the commands open are made when first
// asked for, as children of the main window, which deletes them; the main window makes its
// other windows (preferences, about) itself.
class Program {
  public:
    // programPath: the program users start, which file associations name.
    Program(const QString& firstArgument, const QString& programPath)
        : readAhead_(std::in_place, reelcase::catalogueOpenedAtStart(firstArgument, settings_)),
          logic_(catalogue_, {.dialogs = dialogs_,
                              .fileSystem = reelcase::realFileSystem(),
                              .settings = settings_,
                              .movieDialog = windows_,
                              .printer = printer_,
                              .desktop = desktop_,
                              .work = backgroundWork_,
                              .folderAddDialog = windows_,
                              .diskCheckDialog = windows_,
                              .statisticsDialog = windows_}),
          frmMain_(logic_, choices_,
                   {.settings = settings_,
                    .dialogs = dialogs_,
                    .fileTypes = fileTypes_,
                    .programPath = programPath}) {
        windows_.setOwner(&frmMain_);
        frmMain_.FormCreate(firstArgument, &*readAhead_);
        readAhead_.reset();
    }

    reelcase::TfrmMain& mainWindow() { return frmMain_; }

  private:
    reelcase::Catalogue catalogue_;
    reelcase::QtUserDialogs dialogs_;
    reelcase::FileRegistryBackend settings_;
    // Reads the catalogue to open while the members below are made.
    std::optional<reelcase::CatalogueReadAhead> readAhead_;
    reelcase::QtDesktopShell desktop_;
    reelcase::QtPrintDevice printer_;
    // FFmpeg is loaded when the first file is measured, not at every start.
    reelcase::MeasuringModule measuring_{
        reelcase::measuringModuleCandidates(reelcase::runningProgramPath())};
    reelcase::ModuleMediaDevice mediaDevice_{measuring_};
    reelcase::XdgFileTypeRegistration fileTypes_;
    reelcase::QtBackgroundWork backgroundWork_;
    reelcase::AppearanceChoices choices_;
    reelcase::WindowsOnFirstUse windows_{{.catalogue = catalogue_,
                                          .dialogs = dialogs_,
                                          .mediaDevice = mediaDevice_,
                                          .measuring = measuring_.devices()}};
    reelcase::MainWindowLogic logic_;
    reelcase::TfrmMain frmMain_;
};

}  // namespace

int main(int argc, char* argv[]) {
    reelcase::ignoreFileSizeLimitSignal();
    // The window program, started by the program users start (which runs the commands for
    // scripts itself); file associations name that one.
    QString programPath = takeUserProgramPath();
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
