#include "StreamBytes.h"
#include "StreamTestSupport.h"
#include "report/stream/RptColor.h"
#include "report/stream/RptPaintPage.h"
#include "report/stream/RptTransform.h"
#include "report/stream/TRptRenderCanvas.h"
#include "support/GuiApplication.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace zamt::test {
namespace {

TEST(RptTransform, PutsInchesOnWholeDevicePixels) {
    const struct {
        RptTransform t;
        double x;
        double y;
        QPoint expected;
    } cases[] = {
        {RptTransform::preview(96, 100), 1.0, 2.0, {96, 192}},
        {RptTransform::preview(96, 150, 10, 20), 0.5, 1.0 / 3, {82, 68}},
        {RptTransform::preview(100, 100), 0.005, -0.005, {1, -1}}, // halves round away from zero
        {RptTransform::preview(96, 10), 8.5, 11, {82, 106}},
        {RptTransform::printer(600, 300, 0.25, 0.5), 1.0, 1.0, {450, 150}},
        {RptTransform::printer(600, 600, 0.25, 0.25), 0.0, 0.0, {-150, -150}},
        {RptTransform::preview(96, 100, 5, 5),
         std::numeric_limits<double>::quiet_NaN(),
         std::numeric_limits<double>::infinity(),
         {5, 5}},
        {RptTransform::preview(96, 100), 1e30, -1e30, {100000000, -100000000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        EXPECT_EQ(c.t.point(c.x, c.y), c.expected);
    }
}

TEST(RptColor, ReadsColourValuesAndSystemColours) {
    const struct {
        uint32_t value;
        QRgb expected;
    } cases[] = {
        {0x000000FF, qRgb(255, 0, 0)},     {0x0000FF00, qRgb(0, 255, 0)},
        {0x00FF0000, qRgb(0, 0, 255)},     {0x00123456, qRgb(0x56, 0x34, 0x12)},
        {0x80000005, qRgb(255, 255, 255)}, // window
        {0x80000008, qRgb(0, 0, 0)},       // window text
        {0x8000000F, qRgb(240, 240, 240)}, // button face
        {0x800000FF, qRgb(0, 0, 0)},       // no such system colour
        {0x02FFFFFF, qRgb(255, 255, 255)}, // palette-relative: the colour counts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(rptColor(int32_t(c.value)).rgb(), c.expected);
    }
}

class RenderCanvas : public testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApplication(); }

    static QImage paint(const QByteArray& stream, const RptTransform& t, QSize size = {400, 400}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TRptRenderCanvas canvas(painter, t);
        QByteArray copy = stream;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        TRptStreamReader reader(&buffer);
        rptPaintPage(reader, 1, canvas);
        painter.end();
        return image;
    }

    // The bounding box of the pixels darker than mid-grey.
    static QRect inkOf(const QImage& image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    static QByteArray onePage(const std::function<void(TRptStreamWriter&)>& draw,
                              const std::function<void(TRptStreamWriter&)>& setup = {}) {
        return writeStream(
            [&](TRptStreamWriter& w) {
                w.beginPage();
                draw(w);
                w.endPage();
            },
            setup);
    }

    static RptGraphic bitmap(QColor color, int size) {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(color);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return RptGraphic{1, bytes};
    }
};

TEST_F(RenderCanvas, PutsAFilledRectangleWhereTheTransformSays) {
    const QByteArray stream = onePage(
        [](TRptStreamWriter& w) {
            w.setBrushColor(0x0000FF);
            w.fillRect({1, 1, 2, 1.5f});
        },
        [](TRptStreamWriter& w) { w.setUnprintableMargins(0.25, 0, 0.5, 0); });
    const struct {
        const char* name;
        RptTransform t;
        QRect expected;
    } cases[] = {
        {"96 ppi, 100%", RptTransform::preview(96, 100), QRect(QPoint(96, 96), QPoint(191, 143))},
        {"96 ppi, 200%, offset", RptTransform::preview(96, 200, 10, 20),
         QRect(QPoint(202, 212), QPoint(393, 307))},
        {"72 ppi, 50%, offset", RptTransform::preview(72, 50, 3, 4),
         QRect(QPoint(39, 40), QPoint(74, 57))},
        {"printer at the header's margins", RptTransform::printer(96, 96, 0.25, 0.5),
         QRect(QPoint(72, 48), QPoint(167, 95))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = paint(stream, c.t);
        const QRect r = c.expected;
        for (const QPoint inside : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_EQ(image.pixel(inside), qRgb(255, 0, 0)) << inside.x() << "," << inside.y();
        for (const QPoint outside :
             {r.topLeft() - QPoint(1, 0), r.topLeft() - QPoint(0, 1),
              r.bottomRight() + QPoint(1, 0), r.bottomRight() + QPoint(0, 1)})
            EXPECT_EQ(image.pixel(outside), qRgb(255, 255, 255))
                << outside.x() << "," << outside.y();
    }
}

TEST_F(RenderCanvas, StandsTextOnItsBaselineWithItsAlignment) {
    const struct {
        const char* name;
        std::function<void(TRptStreamWriter&)> draw;
        // Bounds the ink must keep to, and a point it must reach near.
        QRect within;
        int left;
        int right;
    } cases[] = {
        {"left", [](TRptStreamWriter& w) { w.text(1, 2, "HHHH"); }, QRect(95, 192 - 26, 80, 27), 96,
         -1},
        {"right", [](TRptStreamWriter& w) { w.text(3, 2, "HHHH", RptAlign::Right); },
         QRect(288 - 80, 192 - 26, 81, 27), -1, 288},
        {"centre", [](TRptStreamWriter& w) { w.text(2, 2, "HHHH", RptAlign::Center); },
         QRect(192 - 40, 192 - 26, 81, 27), -1, -1},
        {"clipped",
         [](TRptStreamWriter& w) {
             w.textClipped({1, 1, 1.25f, 3}, 1, 2, "HHHHHHHHHH");
         },
         QRect(96, 192 - 26, 24, 27), 96, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = paint(onePage([&](TRptStreamWriter& w) {
                                       w.setFontHeight(0.25);
                                       c.draw(w);
                                   }),
                                   RptTransform::preview(96, 100));
        const QRect ink = inkOf(image);
        ASSERT_FALSE(ink.isNull());
        EXPECT_TRUE(c.within.contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        EXPECT_GE(ink.bottom(), 192 - 2) << "capitals reach the baseline";
        EXPECT_GE(ink.height(), 12) << "a 24-pixel font draws tall capitals";
        if (c.left >= 0) {
            EXPECT_LE(ink.left(), c.left + 4);
        }
        if (c.right >= 0) {
            EXPECT_GE(ink.right(), c.right - 4);
        }
        if (std::string(c.name) == "centre") {
            EXPECT_LE(std::abs((ink.left() + ink.right()) / 2 - 192), 3);
        }
    }
}

TEST_F(RenderCanvas, TurnsRotatedTextCounterClockwise) {
    const QImage image = paint(onePage([](TRptStreamWriter& w) {
                                   w.setFontHeight(0.25);
                                   w.setFontRotation(90);
                                   w.text(1, 3, "HHHH");
                               }),
                               RptTransform::preview(96, 100));
    const QRect ink = inkOf(image);
    ASSERT_FALSE(ink.isNull());
    // Upwards from (96, 288), the letters standing to the left of x = 96.
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_LE(ink.right(), 97);
    EXPECT_GE(ink.left(), 96 - 26);
    EXPECT_LE(ink.bottom(), 289);
    EXPECT_GE(ink.bottom(), 280);
}

TEST_F(RenderCanvas, DrawsLinesWithThePenWidth) {
    const QImage image = paint(onePage([](TRptStreamWriter& w) {
                                   w.line(1, 1, 2, 1);
                                   w.setPenWidth(1.0 / 16); // 6 pixels
                                   w.setPenColor(0xFF0000);
                                   w.line(1, 2, 2, 2);
                               }),
                               RptTransform::preview(96, 100));
    EXPECT_EQ(image.pixel(96, 96), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(150, 96), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(150, 97), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(150, 95), qRgb(255, 255, 255));
    int blue = 0;
    for (int y = 180; y < 205; ++y)
        blue += image.pixel(150, y) == qRgb(0, 0, 255);
    EXPECT_EQ(blue, 6);
}

TEST_F(RenderCanvas, FillsShapesWithTheBrushAndDropsClearOnes) {
    const QImage image = paint(onePage([](TRptStreamWriter& w) {
                                   w.setBrushColor(0x00FF00);
                                   w.ellipse({1, 1, 3, 2});
                                   w.setBrushStyle(1); // clear
                                   w.rectangle({0.5f, 2.5f, 1.5f, 3});
                               }),
                               RptTransform::preview(96, 100));
    EXPECT_EQ(image.pixel(192, 144), qRgb(0, 255, 0));    // the ellipse's centre
    EXPECT_EQ(image.pixel(98, 98), qRgb(255, 255, 255));  // its bounding corner stays white
    EXPECT_EQ(image.pixel(48, 240), qRgb(0, 0, 0));       // the rectangle's outline
    EXPECT_EQ(image.pixel(96, 260), qRgb(255, 255, 255)); // and nothing inside
}

TEST_F(RenderCanvas, DrawsBitmapsInTheirSizeOrStretched) {
    const RptGraphic red = bitmap(Qt::red, 4);
    const QImage image = paint(onePage([&](TRptStreamWriter& w) {
                                   w.drawPicture(red, 1, 1);
                                   w.stretchPicture(red, {2, 2, 3, 2.5f});
                                   w.stretchPicture(RptGraphic{2, "not drawable"}, {0, 0, 4, 4});
                               }),
                               RptTransform::preview(96, 100));
    EXPECT_EQ(image.pixel(96, 96), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(99, 99), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(100, 99), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(99, 100), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(192, 192), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(287, 239), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(288, 239), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255)); // the metafile drew nothing
}

TEST_F(RenderCanvas, SurvivesAbsurdValuesFromAFile) {
    const float huge = 1e30f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const QByteArray stream = onePage([&](TRptStreamWriter& w) {
        w.setPenWidth(huge);
        w.setFontHeight(huge);
        w.text(nan, inf, "huge");
        w.setFontRotation(-32768);
        w.text(1, 1, "turned");
        w.setPenWidth(nan);
        w.line(-huge, -huge, huge, huge);
        w.ellipse({-huge, -huge, huge, huge});
        w.roundRect({0, 0, huge, huge}, inf, nan);
        w.arc({{nan, nan, inf, inf}, {nan, 0}, {0, nan}});
        w.pie({{-huge, 0, huge, 1}, {0, 0}, {0, 0}});
        w.polygon(std::vector<RptPoint>(32768, RptPoint{huge, -huge}));
        w.stretchPicture(bitmap(Qt::blue, 2), {-huge, -huge, huge, huge});
        w.drawPicture(RptGraphic{1, "BM not really a bitmap"}, 1, 1);
        w.drawPicture(RptGraphic{3, "not an icon"}, 1, 1);
        w.setBrushBitmap(RptGraphic{1, "broken"});
        w.fillRect({0, 0, 1, 1});
    });
    const QImage image = paint(stream, RptTransform::preview(96, 100), {200, 200});
    EXPECT_EQ(image.size(), QSize(200, 200));
}

// ---------------------------------------------------------------- rptPaintPage

// Three pages on paper 3, 4 and 5 inches wide, each filling a half-inch
// square one inch further right: red, green, blue.
QByteArray threeSquares() {
    return writeStream([](TRptStreamWriter& w) {
        const int32_t colours[] = {0x0000FF, 0x00FF00, 0xFF0000};
        for (int page = 1; page <= 3; ++page) {
            w.setPaperSize(2.0 + page, 2);
            w.beginPage();
            w.setBrushColor(colours[page - 1]);
            w.fillRect({float(page), 1, page + 0.5f, 1.5f});
            w.endPage();
        }
    });
}

// The bounding box of the pixels that are not `background`.
QRect paintedBox(const QImage& image, QRgb background = qRgb(255, 255, 255)) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// One reader serves every request of a test, as in the preview.
class PaintPage : public RenderCanvas {
protected:
    static QIODevice* opened(QBuffer& buffer) {
        buffer.open(QIODevice::ReadOnly);
        return &buffer;
    }
    QByteArray bytes = threeSquares();
    QBuffer buffer{&bytes};
    TRptStreamReader reader{opened(buffer)};
};

TEST_F(PaintPage, PutsPageNWhereTheTransformSays) {
    const struct {
        int page;
        RptTransform t;
        QRect square;
        QRgb colour;
    } cases[] = {
        {2, RptTransform::preview(96, 100), QRect(192, 96, 48, 48), qRgb(0, 255, 0)},
        {3, RptTransform::preview(48, 100, 10, 5), QRect(154, 53, 24, 24), qRgb(0, 0, 255)},
        {1, RptTransform::preview(96, 50), QRect(48, 48, 24, 24), qRgb(255, 0, 0)},
        {2, RptTransform::printer(96, 96, 0.5, 0.25), QRect(144, 72, 48, 48), qRgb(0, 255, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        QImage image(600, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TRptRenderCanvas canvas(painter, c.t);
        rptPaintPage(reader, c.page, canvas);
        painter.end();
        EXPECT_EQ(paintedBox(image), c.square);
        EXPECT_EQ(image.pixel(c.square.center()), c.colour);
    }
}

TEST_F(PaintPage, RefusesAPageOutsideTheStreamBeforeItStarts) {
    for (const int page : {0, 4, -1}) {
        SCOPED_TRACE(page);
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TRptRenderCanvas canvas(painter, RptTransform::preview(96, 100));
        int starts = 0;
        EXPECT_EQ(errorOf([&] {
                      rptPaintPage(reader, page, canvas,
                                   [&](const RptPageInfo&, RptTransform&) { ++starts; });
                  }),
                  "There is no page " + std::to_string(page) + " in the report file.");
        EXPECT_EQ(starts, 0);
        // The canvas and the reader serve the next page as before.
        rptPaintPage(reader, 1, canvas);
        painter.end();
        EXPECT_EQ(paintedBox(image), QRect(96, 96, 48, 48));
    }
}

TEST_F(PaintPage, StartReadiesThePainterForThePagesPaperBeforeAnythingIsDrawn) {
    QImage image;
    QPainter painter;
    TRptRenderCanvas canvas(painter, RptTransform::preview(96, 100));
    std::vector<std::string> starts;
    rptPaintPage(reader, 3, canvas, [&](const RptPageInfo& page, RptTransform& t) {
        starts.push_back(std::to_string(page.number) + ": " + std::to_string(page.paperWidth) +
                         " x " + std::to_string(page.paperHeight));
        image = QImage(int(page.paperWidth * 48), int(page.paperHeight * 48), QImage::Format_RGB32);
        image.fill(Qt::gray);
        painter.begin(&image);
        t = RptTransform::preview(48, 100, 5, 5);
    });
    painter.end();
    EXPECT_EQ(starts, (std::vector<std::string>{"3: 5.000000 x 2.000000"}));
    EXPECT_EQ(image.size(), QSize(240, 96));
    EXPECT_EQ(paintedBox(image, QColor(Qt::gray).rgb()), QRect(149, 53, 24, 24));
    EXPECT_EQ(image.pixel(150, 54), qRgb(0, 0, 255));
}

TEST_F(RenderCanvas, StartsEveryPageFromTheDefaultState) {
    // Hand-made: page 2 carries no state records of its own, so all it draws
    // with is what the canvas starts a page with.
    StreamBytes s;
    s.b(90).i16(2017).s("").i16(2).i16(1).i16(9999).f(8.5f).f(11).f(0).f(0).f(0).f(0).b(0);
    s.i16(265).b(0).b(0).i16(1).i16(1).i16(0).i16(0).s("");
    const qsizetype first = s.pos();
    s.b(80).i32(0).i32(0).i16(1).f(8.5f).f(11);
    s.b(41).i32(0x0000FF);            // red brush
    s.b(74).f(0.25f);                 // pen 24 pixels wide
    s.b(12).f(4).f(4);                // move to 4, 4
    s.b(8).f(0).f(0).f(4).f(3).b(82); // fill the top of the paper
    const qsizetype second = s.pos();
    const int32_t next = int32_t(second);
    std::memcpy(s.bytes.data() + first + 5, &next, 4);
    s.b(80).i32(first).i32(0).i16(2).f(8.5f).f(11);
    s.b(8).f(1).f(1).f(2).f(2); // default brush: solid white
    s.b(11).f(3).f(0.5f);       // from the default position 0, 0
    s.b(82);

    QByteArray bytes = s.bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    TRptRenderCanvas canvas(painter, RptTransform::preview(96, 100));
    rptPaintPage(reader, 1, canvas);
    image.fill(Qt::gray);
    rptPaintPage(reader, 2, canvas);
    painter.end();

    EXPECT_EQ(image.pixel(144, 144), qRgb(255, 255, 255));
    // The line runs from 0, 0 to 288, 48 one pixel wide: one black pixel at x = 144.
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        black += image.pixel(144, y) == qRgb(0, 0, 0);
    EXPECT_EQ(black, 1);
    EXPECT_EQ(image.pixel(144, 24), qRgb(0, 0, 0));
}

} // namespace
} // namespace zamt::test
