// The commands for scripts, run with Qt Core only; the program users start hands them over.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QStringList>

#include "careful_files/FileNames.h"
#include "careful_files/FileSystemCalls.h"
#include "exchange/CommandLine.h"
#include "exchange/MeasuringModule.h"
#include "launcher/ProgramPaths.h"

int main(int argc, char* argv[]) {
    QStringList arguments;
    arguments.reserve(argc - 1);
    for (int i = 1; i < argc; ++i) {
        arguments.append(reelcase::fileNameFromBytes(argv[i]));
    }
    reelcase::ignoreFileSizeLimitSignal();
    reelcase::MeasuringModule measuring(
        reelcase::measuringModuleCandidates(reelcase::runningProgramPath()));
    const int status = reelcase::runCommandLine(arguments, stdout, stderr, measuring);
    // Some file systems report a failed write only when the file is closed.
    if (std::fclose(stdout) != 0 && status != 2) {
        std::fprintf(stderr, "reelcase: standard output: %s\n", std::strerror(errno));
        return 2;
    }
    return status;
}
