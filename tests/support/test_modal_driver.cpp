#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "support/ModalDriver.h"

using namespace reelcase::test;

// Window tests that go wrong, each run in a child process of this program: the guard must make
// the child fail by the right action's line, and end instead of hanging in exec().
class Mishaps : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void checkFailsInsideTheAction() {
        QDialog dialog;
        const ModalDriver driver = whenModalOpens([](QWidget*) { QVERIFY(false); });
        dialog.exec();
    }
    void expectedWindowNeverOpens() {
        const ModalDriver driver = whenModalOpens([](QWidget* modal) { modal->close(); });
    }
    void commandWaitsWithoutAWindow() {
        ModalDriver driver(300);
        driver.expect([](QWidget* modal) { modal->close(); });
        QTest::qWait(2000);  // as a command stuck in its own event loop would
    }
    void actionLeavesItsWindowOpen() {
        QDialog dialog;
        ModalDriver driver(300);
        driver.expect([](QWidget*) {});
        dialog.exec();
    }
    void aWindowNobodyExpectsOpens() {
        QDialog dialog;
        const ModalDriver driver = whenModalOpens([](QWidget* modal) {
            QTimer::singleShot(0, [] {
                QMessageBox box;
                box.exec();
            });
            modal->close();
        });
        dialog.exec();
        QTest::qWait(500);
    }
};

class ModalDriverTest : public QObject {
    Q_OBJECT
    QString self_;

    // Runs one mishap; returns its output, or fails when it passed or had to be killed.
    QString runMishap(const char* name) {
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(self_, {QStringLiteral("--mishap"), QLatin1String(name)});
        const bool ended = child.waitForFinished(60000);
        if (!ended) {
            child.kill();
            child.waitForFinished();
        }
        const QString out = QString::fromLocal8Bit(child.readAll());
        if (!ended || child.exitStatus() != QProcess::NormalExit || child.exitCode() == 0) {
            return QStringLiteral("did not fail cleanly: ") + out;
        }
        return out;
    }

  private Q_SLOTS:
    void initTestCase() { self_ = QCoreApplication::applicationFilePath(); }

    void eachMishapFailsByItsAction_data() {
        QTest::addColumn<QString>("mishap");
        QTest::addColumn<QString>("reported");
        QTest::newRow("check") << "checkFailsInsideTheAction"
                               << "'false' returned FALSE";
        QTest::newRow("never") << "expectedWindowNeverOpens"
                               << "expects never opened";
        QTest::newRow("stuck") << "commandWaitsWithoutAWindow"
                               << "expects did not open";
        QTest::newRow("open") << "actionLeavesItsWindowOpen"
                              << "left its modal window open";
        QTest::newRow("extra") << "aWindowNobodyExpectsOpens"
                               << "no action expects";
    }
    void eachMishapFailsByItsAction() {
        QFETCH(QString, mishap);
        QFETCH(QString, reported);
        const QString out = runMishap(qPrintable(mishap));
        QVERIFY2(out.contains(QStringLiteral("FAIL!  : Mishaps::") + mishap) &&
                     out.contains(reported) &&
                     out.contains(QStringLiteral("test_modal_driver.cpp")),
                 qPrintable(out));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--mishap") {
        Mishaps mishaps;
        return QTest::qExec(&mishaps,
                            {QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[2])});
    }
    ModalDriverTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_modal_driver.moc"
