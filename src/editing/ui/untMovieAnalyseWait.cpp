#include "editing/ui/untMovieAnalyseWait.h"

#include <cmath>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include "look/ui/WindowPlacement.h"

namespace reelcase {

namespace {

// Grey: #606060 at the top, #FEFEFE at the 103rd of 150 rows, #A0A0A0 at the bottom.
QPixmap greyRamp() {
    QImage image(1, 150, QImage::Format_RGB32);
    for (int y = 0; y < 150; ++y) {
        const double t = y <= 102 ? y / 102.0 : (y - 102) / 47.0;
        const int grey = static_cast<int>(y <= 102 ? std::lround(0x60 + t * (0xFE - 0x60))
                                                   : std::lround(0xFE + t * (0xA0 - 0xFE)));
        image.setPixel(0, y, qRgb(grey, grey, grey));
    }
    return QPixmap::fromImage(image);
}

}  // namespace

TfrmWait::TfrmWait(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(tr("Please wait ;)"));
    setFixedSize(385, 72);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 385, 73);
    Image1->setScaledContents(true);
    Image1->setPixmap(greyRamp());
    Label1 = new QLabel(tr(" Now Analyzing Your Movie, Please Wait! "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(24, 16, 348, 22);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(19);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    WaitBar = new QProgressBar(this);
    WaitBar->setObjectName(QStringLiteral("WaitBar"));
    WaitBar->setGeometry(120, 44, 150, 16);
    WaitBar->setRange(0, 100);
    WaitBar->setTextVisible(false);
    centreWhenShown(*this);
}

void TfrmWait::showNow() {
    WaitBar->setValue(0);
    show();
    raise();
    // The busy work that follows lets no paint event through: paint now.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TfrmWait::setPosition(int position) {
    if (position != WaitBar->value()) {
        WaitBar->setValue(position);
        WaitBar->repaint();
    }
}

void TfrmWait::ProgressFirstHalf() {
    runFirstHalf([this](int position) { setPosition(position); });
}

void TfrmWait::ProgressSecondHalf() {
    runSecondHalf([this](int position) { setPosition(position); });
}

void TfrmWait::hideNow() {
    hide();
}

}  // namespace reelcase
