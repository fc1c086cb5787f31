#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "editing/FfmpegMediaDevice.h"
#include "editing/untAddModifyMovie.h"
#include "editing/untMovieAnalyseWait.h"
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
        TfrmAdd frmAdd{catalogue, dialogs};
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

  private Q_SLOTS:
    void enterPressesOkExceptInTheNote() {
        Dialog d;
        QString caption;
        QString shownGenre;
        whenModalOpens([&](QWidget* modal) {
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
        whenModalOpens([&](QWidget* modal) {
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
        FfmpegMediaDevice device;
        TfrmWait frmWait;
        d.frmAdd.setFileAnalysis(&device, &frmWait);
        d.dialogs.fileAnswers.push_back(clip);
        QString name, length, size, format, quality;
        whenModalOpens([&](QWidget*) {
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
        QVERIFY(!frmWait.isVisible());
        QVERIFY(d.dialogs.texts().isEmpty());
    }

    void refusedEntryKeepsTheDialogOpen() {
        Dialog d;
        bool stillOpen = false;
        whenModalOpens([&](QWidget* modal) {
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
