#pragma once

#include <memory>

#include <QObject>

class QWidget;

namespace reelcase {

// Measurement of the whole program from outside, for the process benchmark; it does nothing
// unless the environment variable REELCASE_READY_REPORT asks for it:
//   1       prints when the window is shown with its list filled, then quits;
//   save    then runs File, Save, prints when the success message is about to show and when
//           the message box has been drawn, closes the box and quits;
//   filter  then picks a genre and the all-genres entry again, prints when the full list
//           is drawn, and quits.
// Lines go to standard output as "<event> <CLOCK_MONOTONIC nanoseconds>", and "peak-kb
// <when> <kB>" for the peak memory, so that a script can subtract its own start time.
class ReadyReport : public QObject {
    Q_OBJECT
  public:
    enum class Mode { Ready, Save, Filter };

    // Nothing when the variable is unset or empty. Made after the application object; it
    // watches the program from outside, through the windows it shows, so the program's own
    // wiring knows nothing of it.
    static std::unique_ptr<ReadyReport> fromEnvironment();
    explicit ReadyReport(Mode mode);
    ~ReadyReport() override;
    ReadyReport(const ReadyReport&) = delete;
    ReadyReport& operator=(const ReadyReport&) = delete;

    // Called once the main window is shown.
    void start(QWidget& mainWindow);

  private:
    class MessageWatch;
    void ready();
    void afterSave();
    void afterFilter();

    Mode mode_;
    std::unique_ptr<MessageWatch> watch_;
    QWidget* window_ = nullptr;
};

}  // namespace reelcase
