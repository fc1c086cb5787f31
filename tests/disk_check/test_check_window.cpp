#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <set>

#include "disk_check/ui/CheckFoldersWindow.h"
#include "disk_check/ui/CheckWindow.h"
#include "support/FakeUserDialogs.h"
#include "support/MeasuringFixtures.h"
#include "support/ModalDriver.h"
#include "support/Records.h"

using namespace reelcase;
using namespace reelcase::test;

namespace {

constexpr qint64 MB = 1048576;

Movie stored(const char* name, int length, int size) {
    Movie m{name, "Drama", "AVI"};
    m.length = length;
    m.size = size;
    m.quality = 1;
    return m;
}

QString label(const QWidget& window, const char* name) {
    const auto* l = window.findChild<QLabel*>(QLatin1String(name));
    return l != nullptr ? l->text() : QStringLiteral("(no %1)").arg(QLatin1String(name));
}

}  // namespace

class CheckWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void groupsFillAndApplyHandsBackTheChoices() {
        QTemporaryDir dir;
        touch(dir.filePath("Same.avi"), 3 * MB);
        touch(dir.filePath("Grown.avi"), 9 * MB);
        touch(dir.filePath("bad.avi"), MB);
        touch(dir.filePath("Fresh.avi"), 2 * MB);
        Catalogue catalogue;
        catalogue.addMovie(makeRecord(stored("Same", 40, 3)));
        catalogue.addMovie(makeRecord(stored("Grown", 1, 4)));
        catalogue.addMovie(makeRecord(stored("BAD", 1, 4)));
        catalogue.addMovie(makeRecord(stored("Gone", 1, 4)));
        catalogue.addMovie(makeRecord(stored("Also Gone", 1, 4)));
        FakeUserDialogs dialogs;
        Opened opened;
        TfrmCheck window(catalogue, dialogs, pausing(5, &opened));
        auto* apply = window.findChild<QPushButton*>(QStringLiteral("btnApply"));
        auto* changed = window.findChild<QTableView*>(QStringLiteral("tblChanged"));
        auto* missing = window.findChild<QTableView*>(QStringLiteral("tblMissing"));
        auto* fresh = window.findChild<QTableView*>(QStringLiteral("tblNew"));
        QVERIFY(apply && changed && missing && fresh);
        bool handled = false;
        // Runs once measuring is done; a failed check returns early and the window still closes.
        const auto checkAndChoose = [&] {
            QCOMPARE(label(window, "lblChanged"),
                     QStringLiteral("Changed (2): checked movies take the new values"));
            QCOMPARE(label(window, "lblMissing"),
                     QStringLiteral("Not found in these folders (2): checked movies are deleted"));
            QCOMPARE(label(window, "lblNew"),
                     QStringLiteral("New files (1): checked files are added"));
            QCOMPARE(label(window, "lblInStep"), QStringLiteral("In step: 1 movie"));
            QCOMPARE(changed->model()->index(0, ChangedModel::Name).data().toString(),
                     QStringLiteral("BAD"));
            QCOMPARE(changed->model()->index(0, ChangedModel::Note).data().toString(),
                     QStringLiteral("unreadable: Invalid data"));
            QCOMPARE(changed->model()->index(1, ChangedModel::Size).data().toString(),
                     QStringLiteral("4 \u2192 9"));
            QCOMPARE(changed->model()->index(1, ChangedModel::Format).data().toString(),
                     QStringLiteral("AVI"));
            // Only a file that was measured has new values to take.
            const auto checkable = [&](int row) {
                return changed->model()
                    ->flags(changed->model()->index(row, ChangedModel::Check))
                    .testFlag(Qt::ItemIsUserCheckable);
            };
            QVERIFY(!checkable(0) && checkable(1));
            QCOMPARE(missing->model()->headerData(MissingModel::Genre, Qt::Horizontal),
                     QVariant(QStringLiteral("Genre")));
            QCOMPARE(missing->model()->headerData(MissingModel::Check, Qt::Horizontal),
                     QVariant(QString()));
            QCOMPARE(missing->model()->index(0, MissingModel::Name).data().toString(),
                     QStringLiteral("Also Gone"));
            QCOMPARE(missing->model()->index(0, MissingModel::Check).data(Qt::CheckStateRole),
                     QVariant(Qt::Unchecked));
            QCOMPARE(apply->text(), QStringLiteral("Apply"));
            for (const int row : {0, 1}) {
                missing->model()->setData(missing->model()->index(row, MissingModel::Check),
                                          Qt::Checked, Qt::CheckStateRole);
            }
            QCOMPARE(apply->text(), QStringLiteral("Apply and Delete 2 movies"));
            missing->model()->setData(missing->model()->index(0, MissingModel::Check),
                                      Qt::Unchecked, Qt::CheckStateRole);
            QCOMPARE(apply->text(), QStringLiteral("Apply and Delete 1 movie"));
        };
        window.setPollListener([&] {
            if (!apply->isEnabled() || handled) {
                return;
            }
            handled = true;
            checkAndChoose();
            apply->click();
        });
        const auto choices = window.ShowCheck({{dir.path()}, false});
        QVERIFY(handled);
        QVERIFY(choices.has_value());
        QCOMPARE(choices->updates.size(), std::size_t(1));
        QCOMPARE(choices->updates[0].first, 2);
        QCOMPARE(choices->updates[0].second.Size, 9);
        QCOMPARE(choices->deletions, std::vector<int>{4});
        QCOMPARE(choices->additions.size(), std::size_t(1));
        QCOMPARE(choices->additions[0].name, std::string("Fresh"));
        // The file of unchanged size was never opened.
        QCOMPARE(opened.names, (std::set<QString>{"Grown.avi", "bad.avi", "Fresh.avi"}));
    }

    void cancelStopsWithinAFifthOfASecond() {
        QTemporaryDir dir;
        for (int i = 0; i < 50; ++i) {
            touch(dir.filePath(QStringLiteral("Slow %1.avi").arg(i)), 1000);
        }
        Catalogue catalogue;
        catalogue.addMovie(makeRecord(stored("Slow 1", 1, 4)));
        FakeUserDialogs dialogs;
        TfrmCheck window(catalogue, dialogs, pausing(5000));
        auto* cancel = window.findChild<QPushButton*>(QStringLiteral("btnCancel"));
        auto* fresh = window.findChild<QTableView*>(QStringLiteral("tblNew"));
        QElapsedTimer sinceCancel;
        // Cancelled once the files are listed and being measured.
        window.setPollListener([&] {
            if (!sinceCancel.isValid() && fresh->model()->rowCount() == 49) {
                sinceCancel.start();
                cancel->click();
            }
        });
        const auto choices = window.ShowCheck({{dir.path()}, false});
        QVERIFY(sinceCancel.isValid());
        QVERIFY2(sinceCancel.elapsed() < 200, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(!choices.has_value());
    }

    // The folders window starts from the last check's folders; folders are added through the
    // folder dialog (each once) and removed, and the box says whether every file is measured.
    void foldersWindowEditsTheRequest() {
        FakeUserDialogs dialogs;
        TfrmCheckFolders window(dialogs);
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstFolders"));
        auto* add = window.findChild<QPushButton*>(QStringLiteral("btnAddFolder"));
        auto* remove = window.findChild<QPushButton*>(QStringLiteral("btnRemoveFolder"));
        auto* check = window.findChild<QPushButton*>(QStringLiteral("btnCheck"));
        auto* measureAll = window.findChild<QCheckBox*>(QStringLiteral("chkMeasureAll"));
        QVERIFY(list && add && remove && check && measureAll);
        dialogs.folderAnswers = {QStringLiteral("/films/new"), QStringLiteral("/films/old/../a"),
                                 std::nullopt};
        ModalDriver driver;
        driver.expect([&](QWidget*) {
            QCOMPARE(list->count(), 2);
            QVERIFY(measureAll->isChecked());
            add->click();
            add->click();  // "/films/a" is listed already
            add->click();  // cancelled
            QCOMPARE(list->count(), 3);
            list->setCurrentRow(0);
            remove->click();
            measureAll->setChecked(false);
            check->click();
        });
        const auto request = window.choose({{"/films/a", "/films/b"}, true});
        QVERIFY(request.has_value());
        QCOMPARE(request->folders, QStringList({"/films/b", "/films/new"}));
        QVERIFY(!request->measureAll);
        QCOMPARE(dialogs.shown.size(), std::size_t(3));

        ModalDriver emptied;
        emptied.expect([&](QWidget*) {
            list->selectAll();
            remove->click();
            QVERIFY(!check->isEnabled());
            window.reject();
        });
        QVERIFY(!window.choose({{"/films/a"}, false}).has_value());
    }
};

QTEST_MAIN(CheckWindowTest)
#include "test_check_window.moc"
