#include <atomic>
#include <chrono>
#include <thread>

#include <QApplication>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
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
// in after the click, and meanwhile the window's thread went on handling events.
void BackgroundWorkTest::cancelStopsTheWorkPromptlyAndTheWindowKeepsRunning() {
    QMainWindow window;
    window.show();
    QtBackgroundWork background;
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(10);
    std::atomic<long long> steps{0};
    long long stepsAtClick = -1;
    QString label;
    QTimer clicker;
    connect(&clicker, &QTimer::timeout, this, [&] {
        QProgressDialog* dialog = shownProgressWindow();
        if (dialog == nullptr || ticks < 20 || stepsAtClick >= 0) {
            return;
        }
        label = dialog->labelText();
        QVERIFY(dialog->isModal());
        QVERIFY(dialog->value() > 0);
        auto* cancel = dialog->findChild<QPushButton*>();
        QVERIFY(cancel != nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton);
        // Counted once the click is handled, so that how far the worker got meanwhile (a
        // matter of the machine's load) does not count: at most the step under way follows.
        stepsAtClick = steps;
    });
    clicker.start(15);
    const bool done = background.run(QStringLiteral("Endless"), [&](WorkProgress& progress) {
        while (!progress.cancelled()) {
            ++steps;
            progress.setDone(steps % 1000, 1000);
            std::this_thread::sleep_for(1ms);
        }
    });
    QVERIFY(!done);
    QCOMPARE(label, QStringLiteral("Endless"));
    QVERIFY(stepsAtClick >= 0);
    QVERIFY2(steps - stepsAtClick <= 1, qPrintable(QString::number(steps - stepsAtClick)));
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
