// The program users start: the commands for scripts, run here with Qt Core only, or the
// window program for everything else.
#include <QStringList>

#include "catalogue/FileSystemCalls.h"
#include "exchange/CommandLine.h"
#include "exchange/WindowProgram.h"

int main(int argc, char* argv[]) {
    if (!reelcase::isCommandLine(argc, argv)) {
        return reelcase::startWindowProgram(argv, stderr);
    }
    reelcase::ignoreFileSizeLimitSignal();
    QStringList arguments;
    arguments.reserve(argc - 1);
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return reelcase::runCommandLine(arguments, stdout, stderr);
}
