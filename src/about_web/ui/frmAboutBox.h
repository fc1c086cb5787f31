#pragma once

#include <QByteArray>
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;

namespace reelcase {

// The about window: the program's logo in a raised bevel and a letter from its maker. It is
// created once at start and shown on demand; it has no handlers of its own and is closed with
// its close box.
class TfrmAbout : public QDialog {
    Q_OBJECT
  public:
    // logoJpeg holds the logo's JPEG bytes; a logo that does not decode leaves the picture
    // empty.
    explicit TfrmAbout(QWidget* parent = nullptr, const QByteArray& logoJpeg = builtInLogo());

    // The logo built into the program.
    static QByteArray builtInLogo();

    static constexpr int DesignClientWidth = 478;
    static constexpr int DesignClientHeight = 377;

  private:
    QFrame* Bevel1 = nullptr;
    QLabel* imgLogoVANO = nullptr;
    QPlainTextEdit* memoAboutBox = nullptr;
};

}  // namespace reelcase
