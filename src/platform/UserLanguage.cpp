#include "platform/UserLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace reelcase {

UserLanguage::UserLanguage(const QLocale& locale) {
    // reelcase_de.qm serves de_DE, de_AT and de alike.
    if (program_.load(locale, QStringLiteral("reelcase"), QStringLiteral("_"),
                      QStringLiteral(":/reelcase/translations"))) {
        programInstalled_ = QCoreApplication::installTranslator(&program_);
    }
    // Standard buttons and the file and font dialogs, where the system has Qt's translations.
    if (programInstalled_ && qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtInstalled_ = QCoreApplication::installTranslator(&qt_);
    }
}

UserLanguage::~UserLanguage() {
    if (qtInstalled_) {
        QCoreApplication::removeTranslator(&qt_);
    }
    if (programInstalled_) {
        QCoreApplication::removeTranslator(&program_);
    }
}

}  // namespace reelcase
