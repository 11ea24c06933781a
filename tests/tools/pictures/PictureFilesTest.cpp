// The committed pictures: each JPEG decodes through libjpeg at the size its
// window expects and shows what it should; the icons are 16-colour images
// on a transparent ground, drawn at each size by the picture generator;
// damaged JPEG data is refused without a crash.
#include "Pictures.h"
#include "platform/Jpeg.h"
#include "support/TempDir.h"

#include <QColor>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace zamt {
namespace {

QString resource(const QString& name) {
    return test::sourceDir() + QStringLiteral("/resources/") + name;
}

// The share of the picture's pixels that pass the test.
double share(const QImage& image, const std::function<bool(const QColor&)>& test) {
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return double(count) / (double(image.width()) * image.height());
}

bool hueNear(const QColor& c, int hue, int tolerance) {
    if (c.hsvSaturation() < 110 || c.value() < 90)
        return false;
    const int distance = std::abs(c.hsvHue() - hue);
    return std::min(distance, 360 - distance) <= tolerance;
}
bool orange(const QColor& c) {
    return hueNear(c, 25, 12);
}
bool yellow(const QColor& c) {
    return hueNear(c, 50, 8);
}
bool green(const QColor& c) {
    return hueNear(c, 90, 35);
}
bool blue(const QColor& c) {
    return hueNear(c, 220, 20);
}
bool white(const QColor& c) {
    return c.red() > 235 && c.green() > 235 && c.blue() > 235;
}
bool dark(const QColor& c) {
    return c.value() < 70;
}

struct Colouring {
    const char* what;
    std::function<bool(const QColor&)> test;
    double atLeast; // share of the whole picture
};

struct PictureCase {
    const char* file;
    int width;
    int height;
    std::vector<Colouring> colours;
};

const std::vector<PictureCase>& pictureCases() {
    static const std::vector<PictureCase> cases = {
        {"workers.jpg",
         352,
         305,
         {{"white ground", white, 0.30},
          {"orange overalls", orange, 0.02},
          {"yellow pipe", yellow, 0.04},
          {"blue foreman", blue, 0.01}}},
        {"portrait.jpg", 62, 84, {{"dark jacket", dark, 0.10}}},
        {"emblem.jpg", 60, 160, {{"blue", blue, 0.25}, {"white", white, 0.25}}},
        {"chartbutton.jpg",
         330,
         30,
         {{"yellow or green ground", [](const QColor& c) { return yellow(c) || green(c); }, 0.6},
          {"black lettering", dark, 0.04}}},
        {"chart7.jpg",
         574,
         406,
         {{"paper", [](const QColor& c) { return c.value() > 225 && c.hsvSaturation() < 40; }, 0.6},
          {"ink", dark, 0.02}}},
    };
    return cases;
}

TEST(PictureFiles, EachJpegDecodesAtItsWindowSizeWithItsColours) {
    for (const PictureCase& picture : pictureCases()) {
        SCOPED_TRACE(picture.file);
        const QByteArray bytes = test::readFile(resource(QString::fromLatin1(picture.file)));
        ASSERT_FALSE(bytes.isEmpty()) << "missing or empty";
        const QImage image = decodeJpeg(bytes);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), picture.width);
        EXPECT_EQ(image.height(), picture.height);
        for (const Colouring& colouring : picture.colours)
            EXPECT_GE(share(image, colouring.test), colouring.atLeast) << colouring.what;
    }
}

TEST(PictureFiles, WorkersStandOnAWhiteGroundUnderAWhiteSky) {
    const QImage image = decodeJpeg(test::readFile(resource(QStringLiteral("workers.jpg"))));
    ASSERT_FALSE(image.isNull());
    // The top corners are open ground: nothing but white.
    EXPECT_DOUBLE_EQ(share(image.copy(0, 0, 100, 60), white), 1.0);
    EXPECT_DOUBLE_EQ(share(image.copy(252, 0, 100, 40), white), 1.0);
}

TEST(PictureFiles, ChartTopRightCornerUnderTheExitButtonIsBlankPaper) {
    // The figure window's "exit" button (left 448, 129 by 33) covers this corner.
    const QImage image = decodeJpeg(test::readFile(resource(QStringLiteral("chart7.jpg"))));
    ASSERT_FALSE(image.isNull());
    EXPECT_DOUBLE_EQ(share(image.copy(448, 0, 126, 33), dark), 0.0);
}

// The window icons (16, 32) and the desktop's icon theme sizes.
constexpr int kTapIconSizes[] = {16, 32, 48, 64, 128, 256};

QImage tapIcon(int size) {
    return QImage(resource(QStringLiteral("tap%1.png").arg(size)))
        .convertToFormat(QImage::Format_ARGB32);
}

TEST(PictureFiles, TapIconsAreSixteenColourImagesOnATransparentGround) {
    static const QSet<QRgb> palette = {0xff000000, 0xff800000, 0xff008000, 0xff808000,
                                       0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
                                       0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                       0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    for (const int size : kTapIconSizes) {
        SCOPED_TRACE(size);
        const QImage file(resource(QStringLiteral("tap%1.png").arg(size)));
        ASSERT_FALSE(file.isNull());
        EXPECT_EQ(file.size(), QSize(size, size));
        ASSERT_TRUE(file.hasAlphaChannel());
        const QImage icon = file.convertToFormat(QImage::Format_ARGB32);
        int transparent = 0;
        int greys = 0;
        int water = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb c = icon.pixel(x, y);
                if (qAlpha(c) == 0) {
                    ++transparent;
                    continue;
                }
                EXPECT_EQ(qAlpha(c), 255) << "half-transparent at " << x << "," << y;
                EXPECT_TRUE(palette.contains(c))
                    << "colour " << std::hex << c << " at " << std::dec << x << "," << y;
                greys += (c == 0xffc0c0c0 || c == 0xff808080) ? 1 : 0;
                water += (c == 0xff00ffff) ? 1 : 0;
            }
        }
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0) << "corner not transparent";
        EXPECT_GT(transparent, size * size / 3);
        EXPECT_GT(greys, size * size / 10) << "no grey tap";
        EXPECT_GE(water, size / 4) << "no light-blue water";
    }
}

TEST(PictureFiles, LargeTapIconsAreDrawnAtTheirSizeNotEnlargedFromTheSmallOne) {
    // An enlarged 32-pixel icon has its blocky edges and none of the details;
    // a drawing at the size differs from it along every edge.
    const QImage small = tapIcon(32);
    ASSERT_FALSE(small.isNull());
    for (const int size : kTapIconSizes) {
        if (size <= 32)
            continue;
        SCOPED_TRACE(size);
        const QImage icon = tapIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        const QImage enlarged =
            small.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        int differing = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                differing += icon.pixel(x, y) != enlarged.pixel(x, y) ? 1 : 0;
        EXPECT_GT(differing, size * size / 20);
    }
}

TEST(PictureFiles, TapIconsAreWhatThePictureGeneratorDraws) {
    // A changed drawing whose files were not generated again is caught here.
    for (const int size : kTapIconSizes) {
        SCOPED_TRACE(size);
        EXPECT_EQ(tapIcon(size), pictures::drawTapIcon(size));
    }
}

TEST(JpegDecoding, DamagedDataGivesANullImage) {
    const QByteArray good = test::readFile(resource(QStringLiteral("chartbutton.jpg")));
    ASSERT_GT(good.size(), 1000);
    // Start of a marker segment whose length runs past the end.
    const QByteArray header = good.left(good.indexOf("\xff\xdb") + 3);
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("this is not a picture")},
        {"start-of-image marker only", QByteArray("\xff\xd8", 2)},
        {"cut inside the headers", header},
        {"first 200 bytes", good.left(200)},
        {"no start-of-image marker", good.mid(2)},
        {"zeros", QByteArray(4096, '\0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(decodeJpeg(c.data).isNull());
    }
}

TEST(JpegDecoding, DataCutInsideThePixelsGivesANullImage) {
    // libjpeg itself pads a picture whose data ends early with grey and only
    // warns; a picture with a grey band is no picture for the program.
    const QByteArray good = test::readFile(resource(QStringLiteral("workers.jpg")));
    ASSERT_GT(good.size(), 2000);
    for (const double part : {0.3, 0.6, 0.95}) {
        SCOPED_TRACE(part);
        EXPECT_TRUE(decodeJpeg(good.left(static_cast<qsizetype>(good.size() * part))).isNull());
    }
}

TEST(JpegDecoding, EncodedPictureDecodesToNearlyTheSamePixels) {
    QImage original(40, 24, QImage::Format_RGB32);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            original.setPixel(x, y, qRgb(x * 6, y * 10, 128));
    const QImage decoded = decodeJpeg(encodeJpeg(original, 95));
    ASSERT_EQ(decoded.size(), original.size());
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const QRgb a = original.pixel(x, y);
            const QRgb b = decoded.pixel(x, y);
            EXPECT_NEAR(qRed(a), qRed(b), 8);
            EXPECT_NEAR(qGreen(a), qGreen(b), 8);
            EXPECT_NEAR(qBlue(a), qBlue(b), 8);
        }
    }
}

} // namespace
} // namespace zamt
