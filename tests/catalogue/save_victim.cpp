// Saves two different catalogues over one file, one after the other, until it is killed: the
// program's own save code under a sudden end. Usage: save_victim TARGET MOVIES [once]
// With "once" it saves the first catalogue a single time and exits with the save's errno (0
// on success), so that a test can run one save as another user or under limits.
#include <QCoreApplication>

#include <cstdio>
#include <string>

#include "catalogue/CatalogueFile.h"
#include "support/Records.h"

using namespace reelcase;

int main(int argc, char* argv[]) {
    ignoreFileSizeLimitSignal();  // as the program does at start
    QCoreApplication app(argc, argv);
    const QString target = QCoreApplication::arguments().value(1);
    const int movies = QCoreApplication::arguments().value(2).toInt();
    Catalogue a;
    Catalogue b;
    MovieList listA;
    MovieList listB;
    for (int i = 0; i < movies; ++i) {
        const std::string name = "Movie " + std::to_string(i);
        test::appendMovie(a, {name, "Drama", "DVD", "Nice", "first", i, 1, 1});
        test::appendMovie(b, {name, "Comedy", "AVI", "Boring", "second", -i, 5, 2});
    }
    for (int n = 1; n <= movies; ++n) {
        listA.add(nameOf(a.slot(n)));
        listB.add(nameOf(b.slot(n)));
    }
    if (QCoreApplication::arguments().value(3) == QStringLiteral("once")) {
        return writeCatalogueFile(target, a, listA, realFileSystem());
    }
    std::fputs("saving\n", stdout);  // the killer waits for this before it aims
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        const bool first = round % 2 == 0;
        if (writeCatalogueFile(target, first ? a : b, first ? listA : listB, realFileSystem()) !=
            0) {
            return 1;
        }
    }
}
