#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace reelcase {

// The program users start is small and links no Qt: it looks at its arguments and hands them
// to one of two internal programs, the commands for scripts (Qt Core) or the window program
// (the window system and printing), so that neither waits for the other's libraries, and the
// window opens without first loading what only the commands need.

// The internal programs' file names.
inline constexpr const char* WindowProgramName = "reelcase-window";
inline constexpr const char* CommandsProgramName = "reelcase-commands";

// Where an internal program (or module) may lie, given the path of the running program: as
// installed (the package's folder for internal programs, relative to the program folder),
// then beside it (a build folder, or the internal programs themselves).
std::vector<std::string> internalProgramCandidates(std::string_view programPath,
                                                   std::string_view name);

// Whether the window could show: a display is named in the environment (X11 or Wayland), or
// Qt is told which platform to use (QT_QPA_PLATFORM or a -platform argument).
bool displayGiven(char* const argv[]);
// What the program says, on one line, when it would open the window without a display.
extern const char* const NoDisplayText;

// Where the module with the media reader lies (MeasuringModule), given the path of the
// running program.
std::vector<std::string> measuringModuleCandidates(std::string_view programPath);

// The running program's own file, links resolved; empty when it cannot be told.
std::string runningProgramPath();

// Replaces this process with the internal program name, with the same arguments, so that
// the exit status and the process are that program's own; it is told the path of the program
// the user started. Returns only on failure, with the exit status, the path and the cause
// written to err.
int startInternalProgram(const char* name, char* const argv[], std::FILE* err);

// The module that carries the media reader (see MeasuringModule).
inline constexpr const char* MeasuringModuleName = "reelcase-measuring.so";

// The variable that tells an internal program which program the user started.
inline constexpr const char* UserProgramVariable = "REELCASE_USER_PROGRAM";

}  // namespace reelcase
