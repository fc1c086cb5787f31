#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QSessionManager>

#include "catalogue/FileSystemCalls.h"
#include "catalogue/untMovieRecord.h"
#include "editing/FfmpegMediaDevice.h"
#include "editing/untAddModifyMovie.h"
#include "editing/untMovieAnalyseWait.h"
#include "exchange/CommandLine.h"
#include "main_window/MainWindowLogic.h"
#include "main_window/ReadyReport.h"
#include "main_window/ReelcaseProgram.h"
#include "platform/ClassicLook.h"
#include "platform/FileTypeRegistration.h"
#include "platform/QtDesktopShell.h"
#include "platform/QtPrintDevice.h"
#include "platform/QtUserDialogs.h"
#include "settings/RegistryBackend.h"
#include "settings/frmAboutBox.h"
#include "settings/untReelcasePreferences.h"

int main(int argc, char* argv[]) {
    reelcase::ignoreFileSizeLimitSignal();
    // Commands for scripts need no display: decided before any window system is touched.
    if (reelcase::isCommandLine(argc, argv)) {
        const QCoreApplication app(argc, argv);
        return reelcase::runCommandLine(QCoreApplication::arguments().mid(1), stdout, stderr);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Reel-Case Database"));
    reelcase::useDesignedFonts();

    reelcase::Catalogue catalogue;
    reelcase::QtUserDialogs dialogs;
    reelcase::FileRegistryBackend settings;
    reelcase::QtDesktopShell desktop;
    reelcase::AppearanceChoices choices;
    // Only for the process benchmark: nothing unless the environment asks for it.
    const auto report = reelcase::ReadyReport::fromEnvironment(dialogs);
    reelcase::MainWindowLogic logic(catalogue, report ? report->dialogs() : dialogs);
    logic.setSettings(&settings);
    reelcase::QtPrintDevice printer;
    logic.setPrintDevice(&printer);

    // The windows, in their order; the main window's creation runs before the others exist.
    reelcase::TfrmMain frmMain(logic, choices);
    dialogs.setParentWindow(&frmMain);
    const QStringList arguments = QApplication::arguments();
    // "--" lets a catalogue whose name starts with "-" be opened.
    const int fileArgument = arguments.size() > 2 && arguments.at(1) == QLatin1String("--") ? 2 : 1;
    frmMain.FormCreate(arguments.size() > fileArgument ? arguments.at(fileArgument) : QString());
    reelcase::TfrmAdd frmAdd(catalogue, dialogs, &frmMain);
    logic.setMovieDialog(&frmAdd);
    reelcase::TfrmWait frmWait(&frmMain);
    reelcase::FfmpegMediaDevice mediaDevice;
    frmAdd.setFileAnalysis(&mediaDevice, &frmWait);
    reelcase::TfrmPreferences frmPreferences(choices, settings, dialogs, catalogue,
                                             QApplication::applicationFilePath(), &frmMain);
    reelcase::XdgFileTypeRegistration fileTypes;
    frmPreferences.setFileTypeRegistration(&fileTypes);
    frmMain.setPreferencesWindow(&frmPreferences);
    reelcase::TfrmAbout frmAbout(&frmMain);
    frmMain.setAboutWindow(&frmAbout);
    frmMain.setDesktopShell(&desktop);

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
    if (report) {
        report->start(frmMain);
    }
    return QApplication::exec();
}
