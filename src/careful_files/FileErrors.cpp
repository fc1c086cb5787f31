#include "careful_files/FileErrors.h"

#include <cerrno>

#include <QCoreApplication>

namespace reelcase {

namespace {
QString causeText(int code) {
    switch (code) {
        case ReadBeyondEndOfFile:
            return QCoreApplication::translate("FileErrors", "Read beyond end of file");
        case ChangedSinceStamp:
            return QCoreApplication::translate("FileErrors", "File changed by another program");
        case EWOULDBLOCK:
            return QCoreApplication::translate("FileErrors", "File in use by another program");
        case ENOENT:
            return QCoreApplication::translate("FileErrors", "File not found");
        case ENAMETOOLONG:
        case ENOTDIR:
        case EINVAL:
        case ELOOP:
            return QCoreApplication::translate("FileErrors", "Invalid filename");
        case EMFILE:
        case ENFILE:
            return QCoreApplication::translate("FileErrors", "Too many open files");
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return QCoreApplication::translate("FileErrors", "File access denied");
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return QCoreApplication::translate("FileErrors", "Disk full");
        default:
            return QCoreApplication::translate("FileErrors", "I/O error %1").arg(code);
    }
}
}  // namespace

QString fileErrorText(int code) {
    return causeText(code) + QLatin1Char('.');
}

}  // namespace reelcase
