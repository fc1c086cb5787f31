// The program users start: it hands its arguments, unchanged and in the same process, to the
// window program or to the commands for scripts, loading no library of either.
#include <cstdio>
#include <span>

#include "launcher/ProgramChoice.h"
#include "launcher/ProgramPaths.h"

int main(int argc, char* argv[]) {
    const bool window = reelcase::opensWindow(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    // Qt would abort with its plugin text: say it in one line.
    if (window && !reelcase::displayGiven(argv)) {
        std::fputs(reelcase::NoDisplayText, stderr);
        return 2;
    }
    return reelcase::startInternalProgram(
        window ? reelcase::WindowProgramName : reelcase::CommandsProgramName, argv, stderr);
}
