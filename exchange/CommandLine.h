#pragma once

#include <cstdio>

#include <QStringList>

namespace reelcase {

// Whether the program's arguments ask for a command (or help, or the version) rather than
// the window; decided before any application object exists.
bool isCommandLine(int argc, const char* const* argv);

// Runs the command in arguments (without the program's name). Output goes to out, errors to
// err, each naming the path and the cause. Returns the exit status: 0 done, 1 done with
// findings (check, import), 2 not done.
int runCommandLine(const QStringList& arguments, std::FILE* out, std::FILE* err);

}  // namespace reelcase
