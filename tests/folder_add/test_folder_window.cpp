#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "catalogue/Catalogue.h"
#include "folder_add/ui/FolderAddWindow.h"
#include "support/MeasuringFixtures.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

class FolderWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void tableFillsAndAddsTheCheckedRows() {
        QTemporaryDir dir;
        for (int i = 0; i < 20; ++i) {
            touch(dir.filePath(QStringLiteral("Movie %1.avi").arg(i)), 300LL * 1048576);
        }
        touch(dir.filePath(QStringLiteral("Choose me.mkv")));
        touch(dir.filePath(QStringLiteral("bad.mpg")));
        touch(dir.filePath(QStringLiteral("Alien.vob")));
        Catalogue catalogue;
        catalogue.addMovie(makeRecord({"Alien"}));
        TfrmFolderAdd window(catalogue, pausing(5));
        auto* add = window.findChild<QPushButton*>(QStringLiteral("btnAddChecked"));
        auto* table = window.findChild<QTableView*>(QStringLiteral("tblMovies"));
        auto* bar = window.findChild<QProgressBar*>(QStringLiteral("barFiles"));
        auto* summary = window.findChild<QLabel*>(QStringLiteral("lblSkipped"));
        QVERIFY(add && table && bar && summary);
        bool handled = false;
        // Runs once measuring is done; a failed check returns early and the window still closes.
        const auto checkAndChoose = [&] {
            QCOMPARE(table->model()->rowCount(), 23);
            QCOMPARE(bar->text(), QStringLiteral("23 of 23 files measured"));
            QCOMPARE(summary->text(), QStringLiteral("23 movies, 20 checked."));
            // The mkv row waits in an open box for its format.
            int mkv = -1;
            for (int r = 0; r < 23; ++r) {
                if (table->model()->index(r, FolderAddModel::Name).data() == "Choose me") {
                    mkv = r;
                }
            }
            QVERIFY(mkv >= 0);
            QCOMPARE(table->model()->index(mkv, FolderAddModel::Status).data().toString(),
                     QStringLiteral("format to choose"));
            auto* box = qobject_cast<QComboBox*>(
                table->indexWidget(table->model()->index(mkv, FolderAddModel::Format)));
            QVERIFY(box != nullptr);
            box->setCurrentIndex(3);
            Q_EMIT box->activated(3);
            QCOMPARE(table->model()->index(mkv, FolderAddModel::Status).data().toString(),
                     QStringLiteral("new"));
            QCOMPARE(summary->text(), QStringLiteral("23 movies, 21 checked."));
            // One row unchecked by hand.
            for (int r = 0; r < 23; ++r) {
                if (table->model()->index(r, FolderAddModel::Name).data() == "Movie 7") {
                    table->model()->setData(table->model()->index(r, FolderAddModel::Check),
                                            Qt::Unchecked, Qt::CheckStateRole);
                }
            }
            QCOMPARE(summary->text(), QStringLiteral("23 movies, 20 checked."));
        };
        window.setPollListener([&] {
            if (!add->isEnabled() || handled) {
                return;
            }
            handled = true;
            checkAndChoose();
            add->click();
        });
        const auto forms = window.ShowFolderAdd(dir.path());
        QVERIFY(forms.has_value());
        QCOMPARE(forms->size(), std::size_t(20));
        int dvd = 0;
        for (const MovieForm& f : *forms) {
            QCOMPARE(f.lengthText, std::string("1"));
            QVERIFY(f.name != "Alien" && f.name != "bad" && f.name != "Movie 7");
            dvd += f.format == 3 ? 1 : 0;
            if (f.format == 0) {
                QCOMPARE(f.sizeText, std::string("300"));
                QCOMPARE(f.quality, 2);
            }
        }
        QCOMPARE(dvd, 1);
    }

    // Results keep coming while the user types a name: the typing is not overwritten.
    void nameBeingTypedSurvivesResults() {
        QTemporaryDir dir;
        for (int i = 0; i < 40; ++i) {
            touch(dir.filePath(QStringLiteral("Film %1.avi").arg(i, 2, 10, QLatin1Char('0'))));
        }
        Catalogue catalogue;
        TfrmFolderAdd window(catalogue, pausing(40));
        window.setThreadCount(1);
        auto* add = window.findChild<QPushButton*>(QStringLiteral("btnAddChecked"));
        auto* table = window.findChild<QTableView*>(QStringLiteral("tblMovies"));
        QLineEdit* editor = nullptr;
        int pollsWhileTyping = 0;
        window.setPollListener([&] {
            const QModelIndex first = table->model()->index(0, FolderAddModel::Name);
            if (editor == nullptr && table->model()->rowCount() > 0) {
                table->setCurrentIndex(first);
                table->edit(first);
                editor = table->findChild<QLineEdit*>();
                if (editor != nullptr) {
                    editor->setText(QStringLiteral("Typed by hand"));
                }
                return;
            }
            if (editor == nullptr) {
                return;
            }
            QCOMPARE(editor->text(), QStringLiteral("Typed by hand"));
            ++pollsWhileTyping;
            if (add->isEnabled()) {
                QTest::keyClick(editor, Qt::Key_Return);
                add->click();
            }
        });
        const auto forms = window.ShowFolderAdd(dir.path());
        QVERIFY(editor != nullptr);
        QVERIFY(pollsWhileTyping > 3);
        QVERIFY(forms.has_value());
        QCOMPARE(forms->front().name, std::string("Typed by hand"));
    }

    void cancelStopsWithinAFifthOfASecond() {
        QTemporaryDir dir;
        for (int i = 0; i < 50; ++i) {
            touch(dir.filePath(QStringLiteral("Slow %1.avi").arg(i)));
        }
        Catalogue catalogue;
        TfrmFolderAdd window(catalogue, pausing(5000));
        auto* cancel = window.findChild<QPushButton*>(QStringLiteral("btnCancel"));
        QElapsedTimer sinceCancel;
        QTimer::singleShot(400, &window, [&] {
            sinceCancel.start();
            cancel->click();
        });
        const auto forms = window.ShowFolderAdd(dir.path());
        QVERIFY2(sinceCancel.elapsed() < 200, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(!forms.has_value());
    }
};

QTEST_MAIN(FolderWindowTest)
#include "test_folder_window.moc"
