// Prints the MIME type this desktop's database gives a file name, for tests that must look
// at the database in a fresh process (it is read once per process).
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        return 2;
    }
    QTextStream(stdout)
        << QMimeDatabase().mimeTypeForFile(args.at(1), QMimeDatabase::MatchExtension).name()
        << '\n';
    return 0;
}
