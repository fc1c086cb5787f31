#pragma once

#include <QString>

namespace reelcase {

// A catalogue path as the program keeps it, made where the path enters (command line, file
// dialogs, settings): absolute against the working folder and without "." or ".." parts.
// Symbolic links stay as the user named them. Empty stays empty.
QString enteredPath(const QString& path);

// The last part of a path, without its folders, as messages show a file (shownFileName).
QString fileNameOf(const QString& path);

}  // namespace reelcase
