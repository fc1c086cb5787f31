// File names are bytes: every byte string must come back from the program's text unchanged.
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "careful_files/FileNames.h"
#include "catalogue/EnteredPath.h"

using namespace reelcase;

namespace {

bool comesBack(const QByteArray& bytes) {
    return fileNameBytes(fileNameFromBytes(bytes)) == bytes;
}

bool isEscapedByte(QChar c) {
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
}

}  // namespace

class FileNamesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void everyByteStringComesBack() {
        for (int a = 0; a < 256; ++a) {
            QVERIFY2(comesBack(QByteArray(1, static_cast<char>(a))),
                     qPrintable(QString::number(a)));
            for (int b = 0; b < 256; ++b) {
                const char pair[] = {static_cast<char>(a), static_cast<char>(b)};
                QVERIFY(comesBack(QByteArray(pair, 2)));
            }
        }
        // Longer strings drawn mostly from the bytes that start, continue or spoil a sequence.
        QRandomGenerator random(20240611);
        const QByteArray likely("\x80\xBF\xC0\xC1\xC2\xDF\xE0\xED\xEF\xF0\xF4\xF5\xFF a/.");
        for (int round = 0; round < 50000; ++round) {
            QByteArray bytes(random.bounded(1, 24), '\0');
            for (char& c : bytes) {
                c = random.bounded(3) == 0 ? static_cast<char>(random.bounded(256))
                                           : likely.at(random.bounded(likely.size()));
            }
            QVERIFY2(comesBack(bytes), bytes.toHex(' ').constData());
        }
    }

    // UTF-8 reads and writes exactly as Qt's own conversion, so valid names are unchanged.
    void utf8IsReadAsItsCharacters() {
        QRandomGenerator random(7);
        for (int round = 0; round < 20000; ++round) {
            QString text;
            for (int i = random.bounded(1, 12); i > 0; --i) {
                const int kind = random.bounded(4);
                char32_t code = kind == 0   ? random.bounded(0x80)
                                : kind == 1 ? random.bounded(0x80, 0x800)
                                : kind == 2 ? random.bounded(0x800, 0x10000)
                                            : random.bounded(0x10000, 0x110000);
                if (code >= 0xD800 && code <= 0xDFFF) {
                    code = 0xFFFD;
                }
                text += QStringView(QChar::fromUcs4(code));
            }
            const QByteArray utf8 = text.toUtf8();
            QCOMPARE(fileNameBytes(text), utf8);
            QCOMPARE(fileNameFromBytes(utf8), text);
        }
    }

    // What is not valid UTF-8 is kept byte by byte, and valid text after it still reads.
    void otherBytesAreKeptOneByOne() {
        for (const QByteArray& bad :
             {QByteArray("\xC0\xAF"), QByteArray("\xED\xA0\x80"), QByteArray("\xF4\x90\x80\x80"),
              QByteArray("\xE2\x82"), QByteArray("\x80"), QByteArray("\xFF\xFE")}) {
            const QString read = fileNameFromBytes(bad);
            QCOMPARE(read.size(), bad.size());
            QVERIFY2(std::all_of(read.cbegin(), read.cend(), isEscapedByte),
                     bad.toHex(' ').constData());
            QCOMPARE(fileNameFromBytes(bad + "Caf\xC3\xA9"), read + QStringLiteral("Caf\u00E9"));
        }
        // A lone surrogate that stands for no byte is written as valid UTF-8, never as the
        // three bytes of a surrogate.
        const QString lone = QStringLiteral("a") + QChar(0xD800) + QChar(0xDC20);
        QVERIFY(fileNameBytes(lone).isValidUtf8());
    }

    void shownNamesReadTheCodePage() {
        QCOMPARE(shownFileName(fileNameFromBytes("Caf\xE9 \x80 5.avi")),
                 QStringLiteral("Caf\u00E9 \u20AC 5.avi"));
        QCOMPARE(shownFileName(QStringLiteral("D\u00E9j\u00E0 vu")),
                 QStringLiteral("D\u00E9j\u00E0 vu"));
        QCOMPARE(fileNameOf(fileNameFromBytes("/m/\xFF/Caf\xE9.rcb")),
                 QStringLiteral("Caf\u00E9.rcb"));
    }

    // A relative name joins the working folder as the bytes it is.
    void enteredPathKeepsTheWorkingFoldersBytes() {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + "/caf\xE9";
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        const QString before = QDir::currentPath();
        QVERIFY(::chdir(folder.constData()) == 0);
        const QString entered = enteredPath(QStringLiteral("sub/../movies.rcb"));
        QVERIFY(::chdir(QFile::encodeName(before).constData()) == 0);
        QVERIFY(::rmdir(folder.constData()) == 0);  // QTemporaryDir cannot list it
        QCOMPARE(fileNameBytes(entered), folder + "/movies.rcb");
        QCOMPARE(enteredPath(fileNameFromBytes("/a/./b\xFF/../c.rcb")),
                 fileNameFromBytes("/a/c.rcb"));
    }
};

QTEST_GUILESS_MAIN(FileNamesTest)
#include "test_file_names.moc"
