#include <atomic>
#include <chrono>
#include <thread>

#include <QApplication>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>
#include <QTimer>

#include "platform/ui/QtBackgroundWork.h"

using namespace reelcase;
using namespace std::chrono_literals;

namespace {

QProgressDialog* shownProgressWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QProgressDialog*>(w); dialog && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

}  // namespace

class BackgroundWorkTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void shortWorkShowsNothing();
    void cancelStopsTheWorkPromptlyAndTheWindowKeepsRunning();
    void longWorkEndsOnItsOwn();
};

void BackgroundWorkTest::shortWorkShowsNothing() {
    QMainWindow window;
    window.show();
    QtBackgroundWork background;
    Qt::HANDLE workThread = nullptr;
    const bool done = background.run(
        QStringLiteral("Short"), [&](WorkProgress&) { workThread = QThread::currentThreadId(); });
    QVERIFY(done);
    QVERIFY(workThread != nullptr);
    QVERIFY(workThread != QThread::currentThreadId());
    QCOMPARE(shownProgressWindow(), nullptr);
}

// The user's Cancel reaches work that runs until cancelled: it takes at most the step it is
// in after the click, and meanwhile the window's thread went on handling events. The work
// takes its steps one at a time as the window's thread hands them over, so how far it gets
// does not hang on the machine's load; from the click on it may take as many as it likes
// (and, were Cancel not to reach it, would end on its own after a million).
void BackgroundWorkTest::cancelStopsTheWorkPromptlyAndTheWindowKeepsRunning() {
    QMainWindow window;
    window.show();
    QtBackgroundWork background;
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(10);
    constexpr int kEndless = 1000000;
    QSemaphore handedOver;
    std::atomic<long long> steps{0};
    long long stepsHandedOver = 0;
    long long handedOverAtClick = -1;
    QString label;
    bool modal = false;
    QTimer clicker;
    connect(&clicker, &QTimer::timeout, this, [&] {
        if (handedOverAtClick >= 0) {
            return;
        }
        QProgressDialog* dialog = shownProgressWindow();
        if (dialog != nullptr && ticks >= 20 && dialog->value() > 0) {
            // Checked afterwards: a check failing here would leave the work waiting.
            label = dialog->labelText();
            modal = dialog->isModal();
            if (auto* cancel = dialog->findChild<QPushButton*>()) {
                QTest::mouseClick(cancel, Qt::LeftButton);
            }
            handedOverAtClick = stepsHandedOver;
            handedOver.release(kEndless);  // no limit from here: only the cancel stops it
        } else if (steps == stepsHandedOver) {
            ++stepsHandedOver;
            handedOver.release();
        }
    });
    clicker.start(15);
    const bool done = background.run(QStringLiteral("Endless"), [&](WorkProgress& progress) {
        while (!progress.cancelled() && steps < kEndless) {
            handedOver.acquire();
            ++steps;
            progress.setDone(steps % 1000, 1000);
        }
    });
    QVERIFY(!done);
    QCOMPARE(label, QStringLiteral("Endless"));
    QVERIFY(modal);
    QVERIFY(handedOverAtClick > 0);
    // One more step at most: the work may have looked at the cancel just before the click.
    QVERIFY2(steps <= handedOverAtClick + 1,
             qPrintable(QString::number(steps - handedOverAtClick)));
    QVERIFY(ticks >= 20);
    QCOMPARE(shownProgressWindow(), nullptr);
}

void BackgroundWorkTest::longWorkEndsOnItsOwn() {
    QMainWindow window;
    window.show();
    QtBackgroundWork background;
    bool seen = false;
    QTimer look;
    connect(&look, &QTimer::timeout, this, [&seen] { seen = seen || shownProgressWindow(); });
    look.start(10);
    const bool done = background.run(QStringLiteral("Long"), [](WorkProgress& progress) {
        for (int i = 0; i < 40; ++i) {
            progress.setDone(i, 40);
            std::this_thread::sleep_for(10ms);
        }
    });
    QVERIFY(done);
    QVERIFY(seen);
    QCOMPARE(shownProgressWindow(), nullptr);
}

QTEST_MAIN(BackgroundWorkTest)
#include "test_background_work.moc"
