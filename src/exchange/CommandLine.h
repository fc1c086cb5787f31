#pragma once

#include <cstdio>

#include <QStringList>

#include "exchange/MeasuringModule.h"

namespace reelcase {

// Runs the command in arguments (without the program's name). Output goes to out, errors to
// err, each naming the path and the cause; verify measures files with measuring's devices.
// Returns the exit status: 0 done, 1 done with findings (check, import, verify), 2 not done.
int runCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err,
                   MeasuringModule& measuring);

}  // namespace reelcase
