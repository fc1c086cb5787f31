#include "launcher/ProgramPaths.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifndef REELCASE_PROGRAMS_FROM_BINDIR
#define REELCASE_PROGRAMS_FROM_BINDIR "../libexec/reelcase"
#endif

namespace reelcase {

namespace {

// The folder of a program's path, with its slash.
std::string folderOf(std::string_view programPath) {
    const std::size_t slash = programPath.rfind('/');
    return std::string(slash == std::string_view::npos ? std::string_view("./")
                                                       : programPath.substr(0, slash + 1));
}

}  // namespace

// argv[0] may be a bare name found on PATH: the kernel's link is the file itself.
std::string runningProgramPath() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) {
        return {};
    }
    path.resize(static_cast<std::size_t>(n));
    return path;
}

const char* const NoDisplayText =
    "reelcase: the window needs a display, and none is set (DISPLAY or WAYLAND_DISPLAY); "
    "without one, use the commands export, import, check and list (reelcase --help)\n";

bool displayGiven(char* const argv[]) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return true;
        }
    }
    for (int i = 1; argv[i] != nullptr; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            break;
        }
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> internalProgramCandidates(std::string_view programPath,
                                                   std::string_view name) {
    const std::string folder = folderOf(programPath);
    return {folder + REELCASE_PROGRAMS_FROM_BINDIR + '/' + std::string(name),
            folder + std::string(name)};
}

std::vector<std::string> measuringModuleCandidates(std::string_view programPath) {
    return internalProgramCandidates(programPath, MeasuringModuleName);
}

int startInternalProgram(const char* name, char* const argv[], std::FILE* err) {
    const std::string self = runningProgramPath();
    if (self.empty()) {
        std::fprintf(err, "reelcase: /proc/self/exe: %s\n", std::strerror(errno));
        return 2;
    }
    ::setenv(UserProgramVariable, self.c_str(), 1);
    std::string tried;
    int error = ENOENT;
    for (const std::string& candidate : internalProgramCandidates(self, name)) {
        ::execv(candidate.c_str(), argv);
        // A program that is there but cannot run is the one to report.
        if (tried.empty() || errno != ENOENT) {
            tried = candidate;
            error = errno;
        }
        if (errno != ENOENT) {
            break;
        }
    }
    std::fprintf(err, "reelcase: %s: %s\n", tried.c_str(), std::strerror(error));
    return 2;
}

}  // namespace reelcase
