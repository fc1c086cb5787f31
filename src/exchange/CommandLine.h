#pragma once

#include <cstdio>

#include <QStringList>

#include "exchange/MeasuringModule.h"

namespace reelcase {

// Whether the program's arguments (without its name, read by fileNameFromBytes) are the
// window's: none, one catalogue file, or "--" and one name of any kind. A catalogue file is
// a name that is there in the file system, ends in ".rcb" (any letter case) or contains a
// '/', and is not a command's. Everything else is run, or refused, by runCommandLine, so
// that a mistyped command or option never opens the window. "-" (standard input) is the
// commands' only. Decided before any application object exists.
bool opensWindow(const QStringList& arguments);

// Runs the command in arguments (without the program's name). Output goes to out, errors to
// err, each naming the path and the cause; verify measures files with measuring's devices.
// Returns the exit status: 0 done, 1 done with findings (check, import, verify), 2 not done.
int runCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err,
                   MeasuringModule& measuring);

}  // namespace reelcase
