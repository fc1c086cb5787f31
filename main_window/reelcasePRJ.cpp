#include <QApplication>
#include <QFont>

#include "catalogue/untMovieRecord.h"
#include "editing/untAddModifyMovie.h"
#include "main_window/MainWindowLogic.h"
#include "main_window/ReelcaseProgram.h"
#include "platform/QtPrintDevice.h"
#include "platform/QtUserDialogs.h"

namespace {

// The designed faces, mapped to their metric twins, so designed sizes hold.
void registerFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Reel-Case Database"));
    registerFontSubstitutes();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    reelcase::Catalogue catalogue;
    reelcase::QtUserDialogs dialogs;
    reelcase::QtPrintDevice printer;
    reelcase::MainWindowLogic logic(catalogue, dialogs);
    logic.setPrintDevice(&printer);
    reelcase::TfrmMain frmMain(logic);
    dialogs.setParentWindow(&frmMain);
    reelcase::TfrmAdd frmAdd(catalogue, dialogs, &frmMain);
    logic.setMovieDialog(&frmAdd);

    const QStringList arguments = QApplication::arguments();
    frmMain.FormCreate(arguments.size() > 1 ? arguments.at(1) : QString());
    frmMain.show();
    return QApplication::exec();
}
