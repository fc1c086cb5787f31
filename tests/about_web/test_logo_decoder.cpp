#include <QFile>
#include <QTest>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <jpeglib.h>

#include "about_web/LogoDecoder.h"

using namespace reelcase;

namespace {

QByteArray logoFile() {
    QFile file(QStringLiteral(REELCASE_LOGO_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int wordAt(const QByteArray& bytes, qsizetype i) {
    return static_cast<unsigned char>(bytes.at(i)) << 8 |
           static_cast<unsigned char>(bytes.at(i + 1));
}

// Offsets of the marker segments from the start of the file to the first scan, by marker.
std::vector<std::pair<int, qsizetype>> headerSegments(const QByteArray& jpeg) {
    std::vector<std::pair<int, qsizetype>> segments;
    for (qsizetype i = 2; i + 4 <= jpeg.size() && jpeg.at(i) == '\xFF';
         i += 2 + wordAt(jpeg, i + 2)) {
        segments.emplace_back(wordAt(jpeg, i) & 0xFF, i);
        if (segments.back().first == 0xDA) {
            break;
        }
    }
    return segments;
}

bool near(const RgbPicture& p, int x, int y, std::array<int, 3> drawn) {
    const std::size_t at = (static_cast<std::size_t>(y) * p.width + x) * 3;
    for (std::size_t c = 0; c < 3; ++c) {
        if (std::abs(p.rgb[at + c] - drawn[c]) > 24) {
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
    for (JSAMPROW rows[1] = {row.data()}; info.next_scanline < info.image_height;) {
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
        const auto segments = headerSegments(jpeg);
        QVERIFY(!segments.empty());
        QCOMPARE(segments.front().first, 0xE0);
        QCOMPARE(jpeg.mid(segments.front().second + 4, 5), QByteArray("JFIF\0", 5));
        QStringList frames;  // SOF0 to SOF15, without DHT, JPG and DAC
        qsizetype sof = 0;
        for (const auto& [marker, offset] : segments) {
            if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                marker != 0xCC) {
                frames << QString::number(marker, 16);
                sof = offset;
            }
        }
        QCOMPARE(frames, QStringList{"c2"});  // progressive only, no baseline SOF0
        QCOMPARE(wordAt(jpeg, sof + 5), 109);
        QCOMPARE(wordAt(jpeg, sof + 7), 445);
        QCOMPARE(jpeg.at(sof + 9), '\3');  // colour
    }

    void decoderReturnsTheLogoUprightInItsColours() {
        const RgbPicture logo = decodeJpeg(logoFile());
        QCOMPARE(logo.width, 445);
        QCOMPARE(logo.height, 109);
        QCOMPARE(logo.rgb.size(), std::size_t{445} * 109 * 3);
        // The film strip, a perforation, the blue left and the wine-red right background.
        QVERIFY(near(logo, 3, 1, {0x0b, 0x0b, 0x12}));
        QVERIFY(near(logo, 10, 6, {0xe8, 0xe2, 0xcf}));
        QVERIFY(near(logo, 2, 50, {0x10, 0x19, 0x4a}));
        QVERIFY(near(logo, 442, 50, {0x6b, 0x10, 0x34}));
    }

    void picturesLargerThanTheLimitAreRefused() {
        const RgbPicture widest = decodeJpeg(encodedGrey(MaxPictureSide, 2));
        QCOMPARE(widest.width, MaxPictureSide);
        QVERIFY(near(widest, MaxPictureSide - 1, 1, {0x80, 0x80, 0x80}));
        QCOMPARE(decodeJpeg(encodedGrey(2, MaxPictureSide)).height, MaxPictureSide);
        QVERIFY(decodeJpeg(encodedGrey(MaxPictureSide + 1, 2)).isEmpty());
        QVERIFY(decodeJpeg(encodedGrey(2, MaxPictureSide + 1)).isEmpty());
    }

    void damagedFilesGiveAnEmptyPicture_data() {
        QTest::addColumn<QByteArray>("jpeg");
        const QByteArray logo = logoFile();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a picture at all");
        QTest::newRow("header only") << logo.left(headerSegments(logo).back().second);
        QTest::newRow("half") << logo.left(logo.size() / 2);
        QTest::newRow("last scan cut") << logo.left(logo.size() - 40);
        QTest::newRow("end marker missing") << logo.chopped(2);
        QByteArray noise(4000, '\0');
        std::mt19937 random(7);
        for (char& c : noise) {
            c = static_cast<char>(random());
        }
        QTest::newRow("noise after a start marker") << QByteArray("\xFF\xD8\xFF\xE0", 4) + noise;
        QByteArray huge = logo;  // a header claiming 65500 x 65500
        qsizetype sof = 0;
        for (const auto& [marker, offset] : headerSegments(logo)) {
            sof = marker == 0xC2 ? offset : sof;
        }
        huge.replace(sof + 5, 4, QByteArray("\xFF\xDC\xFF\xDC", 4));
        QTest::newRow("65500 x 65500") << huge;
    }

    void damagedFilesGiveAnEmptyPicture() {
        QFETCH(QByteArray, jpeg);
        const RgbPicture picture = decodeJpeg(jpeg);
        QVERIFY(picture.isEmpty());
        QCOMPARE(picture.width, 0);
    }
};

QTEST_GUILESS_MAIN(LogoDecoderTest)
#include "test_logo_decoder.moc"
