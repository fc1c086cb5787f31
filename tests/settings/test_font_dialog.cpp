#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include "look/ui/ClassicLook.h"
#include "platform/ui/QtUserDialogs.h"
#include "support/ModalDriver.h"

using namespace reelcase;
using namespace reelcase::test;

class FontDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { useDesignedFonts(); }

    void startsOnTheDrawnFaceAndShowsASample() {
        QtUserDialogs dialogs;
        QFont offered = pixelFont(QStringLiteral("MS Sans Serif"), 11);
        QString family, sample;
        int points = 0;
        int sampleRoom = -1;
        const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFontDialog*>(modal);
            QVERIFY(dialog != nullptr);
            family = dialog->currentFont().family();
            points = dialog->currentFont().pointSize();
            const auto* edit =
                dialog->findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"));
            QVERIFY(edit != nullptr);
            sample = edit->text();
            sampleRoom = edit->contentsRect().height() - edit->fontMetrics().height();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        QVERIFY(dialogs.chooseFont(offered));
        QCOMPARE(family, QFontInfo(pixelFont(QStringLiteral("MS Sans Serif"), 11)).family());
        QCOMPARE(points, 8);
        QVERIFY(!sample.isEmpty());
        QVERIFY2(sampleRoom >= 0, "the sample box is too low to show its text");
        // OK without a choice keeps the face that was drawn.
        QCOMPARE(QFontInfo(offered).family(), family);
    }
};

QTEST_MAIN(FontDialogTest)
#include "test_font_dialog.moc"
