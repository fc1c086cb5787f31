#include "about_web/ui/frmAboutBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

#include "about_web/LogoDecoder.h"
#include "about_web/WebLookups.h"
#include "look/ui/ClassicLook.h"
#include "look/ui/WindowPlacement.h"

// The resource file is compiled into a static library; this makes sure the linker keeps it.
static void registerLogoResource() {
    Q_INIT_RESOURCE(resources);
}

namespace reelcase {

namespace {

QPixmap logoPixmap(const QByteArray& jpeg) {
    const RgbPicture picture = decodeJpeg(jpeg);
    if (picture.isEmpty()) {
        return {};
    }
    const QImage image(picture.rgb.data(), picture.width, picture.height,
                       static_cast<qsizetype>(picture.width) * 3, QImage::Format_RGB888);
    return QPixmap::fromImage(image.copy());  // the pixels outlive picture
}

// The maker's letter, 31 lines, naming the download page that "Check for update" opens. Its
// translations keep the lines, each about as long as the English one; the signature stays.
QString letter() {
    const QUrl page = downloadPageUrl();
    const QStringList lines = {
        QCoreApplication::translate("AboutLetter", "Dear movie collector,"),
        QString(),
        QCoreApplication::translate(
            "AboutLetter", "Thank you very much for using this program! I hope it keeps your"),
        QCoreApplication::translate("AboutLetter",
                                    "collection of movies in good order, just as it does mine."),
        QString(),
        QCoreApplication::translate(
            "AboutLetter", "The first version was a school exercise: a small list of names in a"),
        QCoreApplication::translate(
            "AboutLetter", "window, written to learn how records and files work. Friends began"),
        QCoreApplication::translate(
            "AboutLetter", "to use it for their own tapes and discs and asked for searching,"),
        QCoreApplication::translate(
            "AboutLetter", "filters, printing and measuring movie files, and bit by bit the"),
        QCoreApplication::translate("AboutLetter",
                                    "exercise grew into the catalogue you are using now."),
        QString(),
        QCoreApplication::translate("AboutLetter",
                                    "New versions are published on the Reel-Case download site at"),
        QCoreApplication::translate("AboutLetter", "%1. You find them on this page:")
            .arg(page.host()),
        page.toString(),
        QString(),
        QCoreApplication::translate("AboutLetter", "Greetings go to:"),
        QCoreApplication::translate("AboutLetter", "  - Marlies and the Tuesday night film club"),
        QCoreApplication::translate("AboutLetter",
                                    "  - Big Tom, for the loan of his old projector"),
        QCoreApplication::translate("AboutLetter", "  - everyone at the Harbour Street video shop"),
        QCoreApplication::translate("AboutLetter", "  - Pim, who tried out every single version"),
        QCoreApplication::translate("AboutLetter", "  - my mother, who still prefers her tapes"),
        QString(),
        QCoreApplication::translate(
            "AboutLetter", "Many thanks to the makers of all the freeware tools for creating and"),
        QCoreApplication::translate(
            "AboutLetter", "converting movies: without them there would be far fewer movies to"),
        QCoreApplication::translate("AboutLetter", "keep in Reel-Case Database."),
        QString(),
        QCoreApplication::translate(
            "AboutLetter", "Questions, ideas or bugs? Please send me your feedback by e-mail."),
        QString(),
        QStringLiteral("Reelwright"),
        QStringLiteral("[VANO]"),
        QStringLiteral("reelwright@example.org"),
    };
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QByteArray TfrmAbout::builtInLogo() {
    registerLogoResource();
    QFile file(QStringLiteral(":/reelcase/logo.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TfrmAbout::TfrmAbout(QWidget* parent, const QByteArray& logoJpeg)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Reel-Case Database"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(DesignClientWidth, DesignClientHeight);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(8, 8, 462, 126);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setLineWidth(1);

    // Drawn at its own size from the top left corner, never stretched.
    imgLogoVANO = new QLabel(this);
    imgLogoVANO->setObjectName(QStringLiteral("imgLogoVANO"));
    imgLogoVANO->setGeometry(16, 16, 446, 110);
    imgLogoVANO->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgLogoVANO->setScaledContents(false);
    imgLogoVANO->setPixmap(logoPixmap(logoJpeg));

    memoAboutBox = new QPlainTextEdit(this);
    memoAboutBox->setObjectName(QStringLiteral("memoAboutBox"));
    memoAboutBox->setGeometry(8, 136, 462, 233);
    memoAboutBox->setFont(pixelFont(QStringLiteral("Times New Roman"), 13));
    memoAboutBox->setReadOnly(true);
    memoAboutBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoAboutBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = memoAboutBox->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    memoAboutBox->setPalette(palette);
    memoAboutBox->setPlainText(letter());
    memoAboutBox->setFocus();

    centreWhenShown(*this);
}

}  // namespace reelcase
