#include "about_web/frmAboutBox.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

#include "about_web/LogoDecoder.h"
#include "about_web/WebLookups.h"
#include "look/ClassicLook.h"
#include "look/WindowPlacement.h"

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

// The maker's letter, 31 lines, naming the download page that "Check for update" opens.
QString letter() {
    const QUrl page = downloadPageUrl();
    const QStringList lines = {
        QStringLiteral("Dear movie collector,"),
        QString(),
        QStringLiteral("Thank you very much for using this program! I hope it keeps your"),
        QStringLiteral("collection of movies in good order, just as it does mine."),
        QString(),
        QStringLiteral("The first version was a school exercise: a small list of names in a"),
        QStringLiteral("window, written to learn how records and files work. Friends began"),
        QStringLiteral("to use it for their own tapes and discs and asked for searching,"),
        QStringLiteral("filters, printing and measuring movie files, and bit by bit the"),
        QStringLiteral("exercise grew into the catalogue you are using now."),
        QString(),
        QStringLiteral("New versions are published on the Reel-Case download site at"),
        page.host() + QStringLiteral(". You find them on this page:"),
        page.toString(),
        QString(),
        QStringLiteral("Greetings go to:"),
        QStringLiteral("  - Marlies and the Tuesday night film club"),
        QStringLiteral("  - Big Tom, for the loan of his old projector"),
        QStringLiteral("  - everyone at the Harbour Street video shop"),
        QStringLiteral("  - Pim, who tried out every single version"),
        QStringLiteral("  - my mother, who still prefers her tapes"),
        QString(),
        QStringLiteral("Many thanks to the makers of all the freeware tools for creating and"),
        QStringLiteral("converting movies: without them there would be far fewer movies to"),
        QStringLiteral("keep in Reel-Case Database."),
        QString(),
        QStringLiteral("Questions, ideas or bugs? Please send me your feedback by e-mail."),
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
    setWindowTitle(QStringLiteral("About Reel-Case Database"));
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
