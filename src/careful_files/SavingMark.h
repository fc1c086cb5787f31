#pragma once

#include <QByteArray>
#include <QString>

#include "careful_files/FileSystemCalls.h"

namespace reelcase {

// The durable mark a save leaves on a file while it writes the file in place: an extended
// attribute on the file itself (it needs no new file in a folder that may allow none), or,
// where the file system keeps no such attributes, a file "<name>.saving" beside it. Set and
// synced before the first byte is overwritten, removed only after the whole new version is
// synced: a file that still carries it was cut off mid-save and may be torn.
inline constexpr char SavingMarkAttribute[] = "user.reelcase.saving";

// Marks the file open as fd (at target); 0, or the errno of the step that failed.
int setSavingMark(FileSystemCalls& calls, int fd, const QByteArray& target);
// Removes the mark, both kinds; 0 or errno.
int clearSavingMark(FileSystemCalls& calls, int fd, const QByteArray& target);
// Whether the file carries the mark of a save that did not finish.
bool carriesSavingMark(int fd, const QByteArray& target);
bool carriesSavingMark(const QString& path);

// What a reader tells the user of such a file.
QString interruptedSaveText(const QString& path);

}  // namespace reelcase
