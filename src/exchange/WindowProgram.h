#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

namespace reelcase {

// The program users start is small: it runs the commands for scripts itself and hands
// everything else to the window program, which carries the window system, printing and the
// media libraries. Only the window program pays for loading them, and verify for loading the
// media reader's module when it has a file to measure.

// Where the window program may lie, given the path of the running program: as installed
// (the package's program folder for internal programs), then beside it (a build folder).
std::vector<std::string> windowProgramCandidates(std::string_view programPath);

// Whether the window could show: a display is named in the environment (X11 or Wayland), or
// Qt is told which platform to use (QT_QPA_PLATFORM or a -platform argument).
bool displayGiven(char* const argv[]);
// What the program says, on one line, when it would open the window without a display.
extern const char* const NoDisplayText;

// Where the module with the media reader lies (MeasuringModule), given the path of the
// running program: beside the window program as installed, then beside the running program.
std::vector<std::string> measuringModuleCandidates(std::string_view programPath);

// The running program's own file, links resolved; empty when it cannot be told.
std::string runningProgramPath();

// Replaces this process with the window program, with the same arguments, so the exit status
// and the process are the window's own. Returns only on failure, with the exit status, the
// path and the cause written to err.
int startWindowProgram(char* const argv[], std::FILE* err);

// In the window program, before any thread starts: the path of the program the user started,
// which is what a file association must name; empty when the window program was started
// directly. The note left for it is removed so that programs the window starts do not
// inherit it.
QString takeUserProgramPath();

}  // namespace reelcase
