#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include "editing/ui/RadioGroup.h"
#include "editing/ui/untAddModifyMovie.h"
#include "editing/ui/untMovieAnalyseWait.h"
#include "look/ui/ClassicLook.h"
#include "platform/FfmpegMediaDevice.h"
#include "support/FakeUserDialogs.h"
#include "support/ModalDriver.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

class AddDialogTest : public QObject {
    Q_OBJECT

    static MovieEditRequest addRequest() { return {MovieEditRequest::Kind::Add, 1, {}}; }

    struct Dialog {
        Catalogue catalogue;
        FakeUserDialogs dialogs;
        FfmpegMediaDevice device;
        TfrmAdd frmAdd{catalogue, dialogs, device};
        template <typename T>
        T* control(const char* name) {
            return frmAdd.findChild<T*>(QLatin1String(name));
        }
        QString checkedIn(const char* group) {
            for (auto* b : control<QGroupBox>(group)->findChildren<QRadioButton*>()) {
                if (b->isChecked()) {
                    return b->text();
                }
            }
            return {};
        }
    };

    // Where a radio button's circle starts and its caption ends, in the group's pixels.
    static std::pair<int, int> circleAndCaptionEnd(const QRadioButton* button) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle* style = button->style();
        const QRect circle =
            style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
        const QRect caption =
            style->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        const int textEnd =
            caption.left() + button->fontMetrics().horizontalAdvance(button->text());
        return {button->x() + circle.left(), button->x() + textEnd};
    }

    // Types text as a keyboard would, one character at a time, whatever its key.
    static void type(QWidget* target, const QString& text) {
        for (const char32_t ch : text.toUcs4()) {
            const QString one = QString::fromUcs4(&ch, 1);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
            QApplication::sendEvent(target, &release);
        }
    }

    // Keyboard tests need the window to be the active one, as the user's would be.
    static void activate(QWidget* window) {
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    // The focused control: a radio button by its group and caption.
    static QString focusName() {
        QWidget* at = QApplication::focusWidget();
        if (at == nullptr) {
            return QStringLiteral("(nothing)");
        }
        auto* button = qobject_cast<QRadioButton*>(at);
        return button != nullptr ? at->parentWidget()->objectName() + ':' + button->text()
                                 : at->objectName();
    }

  private Q_SLOTS:
    void initTestCase() { useDesignedFonts(); }

    void captionsAndCirclesKeepApart() {
        Dialog d;
        d.frmAdd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d.frmAdd));
        QLabel* name = nullptr;
        for (auto* label : d.frmAdd.findChildren<QLabel*>()) {
            if (label->text() == QStringLiteral("Movie Name:")) {
                name = label;
            }
        }
        QVERIFY(name != nullptr);
        auto* nameBox = d.control<QLineEdit>("edtAddMov");
        QCOMPARE(name->font().pixelSize(), 19);
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <=
                name->contentsRect().width());
        QVERIFY2(name->geometry().right() < nameBox->x(), "Movie Name: runs into its box");
        auto* parts = d.control<QGroupBox>("radioParts");
        QCOMPARE(parts->geometry(), QRect(254, 48, 91, 31));
        QStyleOptionGroupBox frame;
        frame.initFrom(parts);
        frame.text = parts->title();
        frame.lineWidth = 1;
        frame.textAlignment = parts->alignment();
        frame.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = parts->style()->subControlRect(QStyle::CC_GroupBox, &frame,
                                                           QStyle::SC_GroupBoxLabel, parts);
        QVERIFY2(title.left() + parts->fontMetrics().horizontalAdvance(parts->title()) <
                     parts->width() - 2,
                 qPrintable(QStringLiteral("title %1+%2 in %3")
                                .arg(title.left())
                                .arg(parts->fontMetrics().horizontalAdvance(parts->title()))
                                .arg(parts->width())));
        const QList<QRadioButton*> items = parts->findChildren<QRadioButton*>();
        QCOMPARE(items.size(), 3);
        for (qsizetype i = 0; i < items.size(); ++i) {
            const auto [circle, captionEnd] = circleAndCaptionEnd(items[i]);
            const int nextStart =
                i + 1 < items.size() ? circleAndCaptionEnd(items[i + 1]).first : parts->width() - 1;
            QVERIFY2(captionEnd + 2 <= nextStart,
                     qPrintable(QStringLiteral("item %1 ends at %2, next starts at %3")
                                    .arg(i)
                                    .arg(captionEnd)
                                    .arg(nextStart)));
            QVERIFY(circle >= 2);
        }
    }

    void tabbingIntoARadioGroupLandsOnItsCheckedItem() {
        Dialog d;
        QStringList landed;
        const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
            activate(modal);
            auto* size = d.control<QLineEdit>("edtMovieSize");
            d.control<RadioGroup>("radioParts")->setItemIndex(2);
            size->setFocus();
            QTest::keyClick(size, Qt::Key_Tab);
            landed << focusName();
            // Arrow keys move within the group; Tab leaves it and Shift+Tab comes back to the
            // item checked now.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            landed << focusName();
            // Rating shows "Normal" checked in a new form: Tab from the analyse button.
            d.control<QPushButton>("btnFileAnalyse")->setFocus();
            QTest::keyClick(d.control<QPushButton>("btnFileAnalyse"), Qt::Key_Tab);
            landed << focusName();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        d.frmAdd.ShowMovieDialog(addRequest());
        QCOMPARE(landed, QStringList({"radioParts:3", "radioParts:2", "radioRating:Normal"}));
    }

    void tabWalksTheDialogInItsDesignedOrder() {
        Dialog d;
        QStringList stops;
        const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
            activate(modal);
            for (int i = 0; i < 12; ++i) {
                stops << focusName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        d.frmAdd.ShowMovieDialog(addRequest());
        QCOMPARE(stops, QStringList({"edtAddMov", "edtAddMovieLength", "edtMovieSize",
                                     "radioParts:1", "btnFileAnalyse", "radioRating:Normal",
                                     "radioGenre:Action", "memPersonal", "radioFormat:AVI",
                                     "radioQuality:3", "btnAddOk", "btnAddCan"}));
    }

    void screenReadersHearEachBoxByItsOwnCaption() {
        Dialog d;
        d.frmAdd.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d.frmAdd));
        const auto nameOf = [&](const char* control) {
            QAccessibleInterface* face =
                QAccessible::queryAccessibleInterface(d.control<QWidget>(control));
            return face != nullptr ? face->text(QAccessible::Name) : QString();
        };
        QCOMPARE(nameOf("edtAddMov"), QStringLiteral("Movie Name:"));
        QCOMPARE(nameOf("edtAddMovieLength"), QStringLiteral("Movie Length:"));
        QCOMPARE(nameOf("edtMovieSize"), QStringLiteral("Movie Size:"));
        QCOMPARE(nameOf("radioParts"), QStringLiteral("Number of Parts"));
        QCOMPARE(nameOf("memPersonal"), QStringLiteral("Add some personal info here:"));
        QCOMPARE(nameOf("radioFormat"), QStringLiteral("Movie Format"));
        // Every control the keyboard reaches has a name of its own, never an enclosing
        // group's caption.
        for (QWidget* w : d.frmAdd.findChildren<QWidget*>()) {
            if (!w->isVisible() || (w->focusPolicy() & Qt::TabFocus) == 0) {
                continue;
            }
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
            for (auto* group = qobject_cast<QGroupBox*>(w->parentWidget()); group != nullptr;
                 group = qobject_cast<QGroupBox*>(group->parentWidget())) {
                QVERIFY2(name != group->title(), qPrintable(w->objectName() + " is " + name));
            }
        }
    }

    void nameAndNoteTakeOnlyWhatCanBeStored() {
        Dialog d;
        QString shownName, shownNote;
        const ModalDriver driver = whenModalOpens([&](QWidget*) {
            auto* name = d.control<QLineEdit>("edtAddMov");
            type(name, QString::fromUtf8("\u03a9 Café €"));
            QApplication::clipboard()->setText(QString::fromUtf8("1Ω 😀x"));
            name->paste();
            auto* note = d.control<QPlainTextEdit>("memPersonal");
            note->setFocus();
            type(note, QString::fromUtf8("aΩb"));
            note->paste();
            QTest::keyClick(note, Qt::Key_Return);
            type(note, QString::fromUtf8("œ—中"));
            shownName = name->text();
            shownNote = note->toPlainText();
            d.control<QLineEdit>("edtAddMovieLength")->setText(QStringLiteral("90"));
            d.control<QLineEdit>("edtMovieSize")->setText(QStringLiteral("700"));
            d.control<QPushButton>("btnAddOk")->click();
        });
        const std::optional<MovieRecord> added = d.frmAdd.ShowMovieDialog(addRequest());
        QVERIFY(added);
        QCOMPARE(shownName, QString::fromUtf8(" Café €1 x"));
        QCOMPARE(shownNote, QString::fromUtf8("ab1 x\nœ—"));
        const MovieRecord& r = *added;
        QCOMPARE(fromCatalogueText(fieldText(r.Name)), shownName);
        QCOMPARE(fromCatalogueText(fieldText(r.PersonalInfo)),
                 QString(shownNote).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    }

    void opensInTheMiddleOfTheScreen() {
        QWidget owner;
        owner.setGeometry(10, 10, 300, 200);  // away from the middle
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        Catalogue catalogue;
        FakeUserDialogs dialogs;
        FfmpegMediaDevice device;
        TfrmAdd frmAdd(catalogue, dialogs, device, &owner);
        QPoint centre;
        const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
            centre = modal->frameGeometry().center();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        frmAdd.ShowMovieDialog(addRequest());
        const QPoint screenCentre = QApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2((centre - screenCentre).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
    }

    void enterPressesOkExceptInTheNote() {
        Dialog d;
        QString caption;
        QString shownGenre;
        const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
            caption = modal->windowTitle();
            shownGenre = d.checkedIn("radioGenre");
            QTest::keyClicks(d.control<QLineEdit>("edtAddMov"), QStringLiteral("Heat"));
            QTest::keyClicks(d.control<QLineEdit>("edtAddMovieLength"), QStringLiteral("170"));
            QTest::keyClicks(d.control<QLineEdit>("edtMovieSize"), QStringLiteral("$2BC"));
            auto* note = d.control<QPlainTextEdit>("memPersonal");
            note->setFocus();
            QTest::keyClicks(note, QStringLiteral("one"));
            QTest::keyClick(note, Qt::Key_Return);  // a new line, not OK
            QTest::keyClicks(note, QStringLiteral("two"));
            QVERIFY(modal->isVisible());
            QTest::keyClick(d.control<QLineEdit>("edtAddMov"), Qt::Key_Return);
        });
        const std::optional<MovieRecord> added = d.frmAdd.ShowMovieDialog(addRequest());
        QVERIFY(added);
        QCOMPARE(caption, QStringLiteral("Add a new Movie!"));
        QCOMPARE(shownGenre, QStringLiteral("Action"));
        QCOMPARE(d.catalogue.movieCount(), 0);  // the dialog only hands the record back
        const MovieRecord& r = *added;
        QCOMPARE(fieldText(r.Name), std::string_view("Heat"));
        QCOMPARE(fieldText(r.PersonalInfo), std::string_view("one\r\ntwo"));
        QCOMPARE(r.Size, 700);
        QCOMPARE(r.Quality, 3);
        QCOMPARE(fieldText(r.Rating), std::string_view("Normal"));
    }

    void modifyShowsTheMovieAndEscapeCancels() {
        Dialog d;
        appendMovie(d.catalogue,
                    {"Old Name", "Horror", "RM", "Perfect Movie", "a\r\nb", 95, 2, 350});
        QString caption, name, selected, format, rating, quality, note;
        const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
            caption = modal->windowTitle();
            name = d.control<QLineEdit>("edtAddMov")->selectedText();
            format = d.checkedIn("radioFormat");
            rating = d.checkedIn("radioRating");
            quality = d.checkedIn("radioQuality");
            note = d.control<QPlainTextEdit>("memPersonal")->toPlainText();
            d.control<QLineEdit>("edtAddMov")->setText(QStringLiteral("Changed"));
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QVERIFY(
            !d.frmAdd.ShowMovieDialog({MovieEditRequest::Kind::Modify, 1, d.catalogue.slot(1)}));
        QCOMPARE(caption, QStringLiteral("Modify a Movie!"));
        QCOMPARE(name, QStringLiteral("Old Name"));
        QCOMPARE(format, QStringLiteral("RM"));
        QCOMPARE(rating, QStringLiteral("Perfect Movie"));
        QCOMPARE(quality, QStringLiteral("2"));
        QCOMPARE(note, QStringLiteral("a\nb"));
        QCOMPARE(fieldText(d.catalogue.slot(1).Name), std::string_view("Old Name"));
    }

    void analysingAFileFillsTheDialog() {
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
            QSKIP("the ffmpeg command is not installed to make a clip");
        }
        QTemporaryDir dir;
        const QString clip = dir.filePath(QStringLiteral("Road Trip.asf"));
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"),
                     {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                      "testsrc=duration=125:size=32x24:rate=5", "-c:v", "wmv2", clip});
        QVERIFY(ffmpeg.waitForFinished(120000));
        Dialog d;
        d.dialogs.fileAnswers.push_back(clip);
        QString name, length, size, format, quality;
        const ModalDriver driver = whenModalOpens([&](QWidget*) {
            d.control<QPushButton>("btnFileAnalyse")->click();
            name = d.control<QLineEdit>("edtAddMov")->text();
            length = d.control<QLineEdit>("edtAddMovieLength")->text();
            size = d.control<QLineEdit>("edtMovieSize")->text();
            format = d.checkedIn("radioFormat");
            quality = d.checkedIn("radioQuality");
            d.control<QPushButton>("btnAddCan")->click();
        });
        QVERIFY(!d.frmAdd.ShowMovieDialog(addRequest()));
        QCOMPARE(name, QStringLiteral("Road Trip"));
        QCOMPARE(length, QStringLiteral("2"));
        QCOMPARE(size, QStringLiteral("0"));
        QCOMPARE(format, QStringLiteral("ASF"));
        QCOMPARE(quality, QStringLiteral("1"));
        // The dialog's own wait window came and went.
        QVERIFY(!d.control<TfrmWait>("frmWait")->isVisible());
        QVERIFY(d.dialogs.texts().isEmpty());
    }

    void refusedEntryKeepsTheDialogOpen() {
        Dialog d;
        bool stillOpen = false;
        const ModalDriver driver = whenModalOpens([&](QWidget* modal) {
            d.control<QLineEdit>("edtAddMov")->setText(QStringLiteral("X"));
            d.control<QLineEdit>("edtAddMovieLength")->setText(QStringLiteral("1.5"));
            d.control<QLineEdit>("edtMovieSize")->setText(QStringLiteral("1"));
            d.control<QPushButton>("btnAddOk")->click();
            stillOpen = modal->isVisible();
            d.control<QPushButton>("btnAddCan")->click();
        });
        QVERIFY(!d.frmAdd.ShowMovieDialog(addRequest()));
        QVERIFY(stillOpen);
        QCOMPARE(d.dialogs.texts(), QStringList{QStringLiteral("Your Input Is Not Valid!")});
    }
};

QTEST_MAIN(AddDialogTest)
#include "test_add_dialog.moc"
