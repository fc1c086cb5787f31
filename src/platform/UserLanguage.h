#pragma once

#include <QLocale>
#include <QTranslator>

namespace reelcase {

// The windows' texts in the user's language: the program's own translation and Qt's for its
// standard dialogs, installed in the application for as long as this lives. Only the window
// program makes one. The command line installs none, so what it prints for scripts stays
// English; so do the catalogue's records and stored values, the exported lists and the
// settings file, which never go through a translation.
class UserLanguage {
  public:
    // The program's translation for the first of the locale's languages that has one (from
    // the program's resources); Qt's own only along with it, so that a window is never half
    // in one language and half in another. English, the texts as written, needs neither.
    explicit UserLanguage(const QLocale& locale);
    ~UserLanguage();
    UserLanguage(const UserLanguage&) = delete;
    UserLanguage& operator=(const UserLanguage&) = delete;

    // Whether the program's own texts are translated.
    bool translated() const { return programInstalled_; }

  private:
    QTranslator program_;
    QTranslator qt_;
    bool programInstalled_ = false;
    bool qtInstalled_ = false;
};

}  // namespace reelcase
