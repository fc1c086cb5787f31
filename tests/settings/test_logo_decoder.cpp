#include <QFile>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>

#include <jpeglib.h>

#include "settings/LogoDecoder.h"

using namespace reelcase;

namespace {

QByteArray logoFile() {
    QFile file(QStringLiteral(REELCASE_LOGO_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int byteAt(const QByteArray& bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes.at(i));
}

int wordAt(const QByteArray& bytes, qsizetype i) {
    return byteAt(bytes, i) << 8 | byteAt(bytes, i + 1);
}

struct Segment {
    int marker;
    qsizetype offset;  // of the marker's 0xFF
};

// The marker segments from the start of the file to the first scan.
std::vector<Segment> headerSegments(const QByteArray& jpeg) {
    std::vector<Segment> segments;
    qsizetype i = 2;
    while (i + 4 <= jpeg.size() && byteAt(jpeg, i) == 0xFF) {
        segments.push_back({byteAt(jpeg, i + 1), i});
        if (byteAt(jpeg, i + 1) == 0xDA) {
            break;
        }
        i += 2 + wordAt(jpeg, i + 2);
    }
    return segments;
}

bool isFrameMarker(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The red, green and blue of one pixel.
std::array<int, 3> pixel(const RgbPicture& p, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * p.width + x) * 3;
    return {p.rgb[at], p.rgb[at + 1], p.rgb[at + 2]};
}

bool near(std::array<int, 3> seen, std::array<int, 3> drawn) {
    for (int c = 0; c < 3; ++c) {
        if (std::abs(seen[c] - drawn[c]) > 24) {
            return false;
        }
    }
    return true;
}

// A plain grey picture of the given size, encoded by libjpeg itself.
QByteArray encodedGrey(int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3, 0x80);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray jpeg(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
    std::free(out);
    return jpeg;
}

}  // namespace

class LogoDecoderTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void logoIsAProgressiveJfifPictureOf445By109() {
        const QByteArray jpeg = logoFile();
        QVERIFY(jpeg.startsWith("\xFF\xD8"));
        const std::vector<Segment> segments = headerSegments(jpeg);
        QVERIFY(!segments.empty());
        QCOMPARE(segments.front().marker, 0xE0);
        QCOMPARE(jpeg.mid(segments.front().offset + 4, 5), QByteArray("JFIF\0", 5));
        std::vector<Segment> frames;
        std::copy_if(segments.begin(), segments.end(), std::back_inserter(frames),
                     [](const Segment& s) { return isFrameMarker(s.marker); });
        QCOMPARE(frames.size(), std::size_t{1});
        QCOMPARE(frames[0].marker, 0xC2);  // progressive, Huffman coded
        const qsizetype sof = frames[0].offset;
        QCOMPARE(wordAt(jpeg, sof + 5), 109);  // height
        QCOMPARE(wordAt(jpeg, sof + 7), 445);  // width
        QCOMPARE(byteAt(jpeg, sof + 9), 3);    // colour
        QCOMPARE(segments.back().marker, 0xDA);
        QVERIFY(jpeg.endsWith("\xFF\xD9"));
    }

    void decoderReturnsTheLogoUprightInItsColours() {
        const RgbPicture logo = decodeJpeg(logoFile());
        QCOMPARE(logo.width, 445);
        QCOMPARE(logo.height, 109);
        QCOMPARE(logo.rgb.size(), std::size_t{445} * 109 * 3);
        // Places whose colour the drawing fixes: the film strip at the top, a perforation,
        // the blue left end and the wine-red right end of the background.
        QVERIFY(near(pixel(logo, 3, 1), {0x0b, 0x0b, 0x12}));
        QVERIFY(near(pixel(logo, 10, 6), {0xe8, 0xe2, 0xcf}));
        QVERIFY(near(pixel(logo, 2, 50), {0x10, 0x19, 0x4a}));
        QVERIFY(near(pixel(logo, 442, 50), {0x6b, 0x10, 0x34}));
        QVERIFY(near(pixel(logo, 3, 107), {0x0b, 0x0b, 0x12}));
    }

    void picturesLargerThanTheLimitAreRefused() {
        const RgbPicture widest = decodeJpeg(encodedGrey(MaxPictureSide, 2));
        QCOMPARE(widest.width, MaxPictureSide);
        QVERIFY(near(pixel(widest, MaxPictureSide - 1, 1), {0x80, 0x80, 0x80}));
        QCOMPARE(decodeJpeg(encodedGrey(2, MaxPictureSide)).height, MaxPictureSide);
        QVERIFY(decodeJpeg(encodedGrey(MaxPictureSide + 1, 2)).isEmpty());
        QVERIFY(decodeJpeg(encodedGrey(2, MaxPictureSide + 1)).isEmpty());
    }

    void damagedFilesGiveAnEmptyPicture_data() {
        QTest::addColumn<QByteArray>("jpeg");
        const QByteArray logo = logoFile();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a picture at all");
        QTest::newRow("start marker only") << QByteArray("\xFF\xD8", 2);
        QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
        QTest::newRow("header only") << logo.left(headerSegments(logo).back().offset);
        QTest::newRow("a tenth") << logo.left(logo.size() / 10);
        QTest::newRow("half") << logo.left(logo.size() / 2);
        QTest::newRow("last scan cut") << logo.left(logo.size() - 40);
        QTest::newRow("end marker missing") << logo.chopped(2);

        QByteArray noise(4000, '\0');
        std::mt19937 random(7);
        for (char& c : noise) {
            c = static_cast<char>(random());
        }
        QTest::newRow("noise") << noise;
        QTest::newRow("start marker and noise") << QByteArray("\xFF\xD8\xFF\xE0", 4) + noise;

        // Headers claiming sizes that do not match the data.
        qsizetype sof = -1;
        for (const Segment& s : headerSegments(logo)) {
            if (isFrameMarker(s.marker)) {
                sof = s.offset;
            }
        }
        QByteArray huge = logo;
        huge[sof + 5] = huge[sof + 7] = '\xFF';
        huge[sof + 6] = huge[sof + 8] = '\xDC';
        QTest::newRow("65500 x 65500") << huge;
        QByteArray wide = logo;
        wide[sof + 7] = '\x10';
        wide[sof + 8] = '\x01';  // 4097 wide
        QTest::newRow("too wide") << wide;
        QByteArray noHeight = logo;
        noHeight[sof + 5] = noHeight[sof + 6] = '\0';
        QTest::newRow("no height") << noHeight;
    }

    void damagedFilesGiveAnEmptyPicture() {
        QFETCH(QByteArray, jpeg);
        const RgbPicture picture = decodeJpeg(jpeg);
        QVERIFY(picture.isEmpty());
        QCOMPARE(picture.width, 0);
        QCOMPARE(picture.height, 0);
    }

    void corruptScanDataGivesTheWholePictureOrNone() {
        const QByteArray logo = logoFile();
        const qsizetype firstScan = headerSegments(logo).back().offset;
        std::mt19937 random(11);
        std::uniform_int_distribution<qsizetype> where(firstScan, logo.size() - 3);
        int refused = 0;
        for (int round = 0; round < 60; ++round) {
            QByteArray damaged = logo;
            for (int n = 0; n < 4; ++n) {
                damaged[where(random)] = static_cast<char>(random());
            }
            const RgbPicture picture = decodeJpeg(damaged);
            if (picture.isEmpty()) {
                ++refused;
                QCOMPARE(picture.width, 0);
            } else {
                QCOMPARE(picture.width, 445);
                QCOMPARE(picture.height, 109);
                QCOMPARE(picture.rgb.size(), std::size_t{445} * 109 * 3);
            }
        }
        QVERIFY(refused > 0);  // libjpeg's complaints about corrupt data do count
    }
};

QTEST_GUILESS_MAIN(LogoDecoderTest)
#include "test_logo_decoder.moc"
