#include "careful_files/FileErrors.h"

#include <cerrno>

namespace reelcase {

namespace {
QString causeText(int code) {
    switch (code) {
        case ReadBeyondEndOfFile:
            return QStringLiteral("Read beyond end of file");
        case ChangedSinceStamp:
            return QStringLiteral("File changed by another program");
        case EWOULDBLOCK:
            return QStringLiteral("File in use by another program");
        case ENOENT:
            return QStringLiteral("File not found");
        case ENAMETOOLONG:
        case ENOTDIR:
        case EINVAL:
        case ELOOP:
            return QStringLiteral("Invalid filename");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("Too many open files");
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return QStringLiteral("File access denied");
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return QStringLiteral("Disk full");
        default:
            return QStringLiteral("I/O error %1").arg(code);
    }
}
}  // namespace

QString fileErrorText(int code) {
    return causeText(code) + QLatin1Char('.');
}

}  // namespace reelcase
