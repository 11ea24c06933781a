// The preview renderer in a scroll box without a screen: the picture of a
// page (shadow, paper, grid, records), its placement, the zoom setter, the
// order of its steps, and what it does with damaged streams.
#include "PreviewTestSupport.h"
#include "../stream/StreamBytes.h"
#include "../stream/StreamTestSupport.h"
#include "platform/AppError.h"
#include "report/preview/TRptRenderPreview.h"
#include "report/system/TRptSystem.h"

#include <QBuffer>
#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

class RenderPreview : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "report_tests";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }

    // The run's values, as the window and the report system leave them.
    void SetUp() override {
        preview.setScrollBox(&box);
        change([](RptPreviewSettings& s) {
            s.setShadowDepth(5);
            s.MarginPercent = 2.5;
        });
    }

    // Hands the renderer its settings changed.
    template <class Change> void change(Change how) {
        RptPreviewSettings settings = preview.settings();
        how(settings);
        preview.setSettings(settings);
    }

    void show(const QByteArray& bytes, int page = 1) {
        buffer.close();
        data = bytes;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        preview.setStream(&buffer);
        preview.showPage(page);
    }

    QRgb pixel(int x, int y) const { return box.shown.pixel(x, y); }

    FakeScrollBox box;
    TRptRenderPreview preview;
    QByteArray data;
    CountingBuffer buffer;
};

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Box = qRgb(240, 240, 240);

TEST_F(RenderPreview, DrawsShadowPaperAndBorder) {
    show(numberedPages(1));
    // 816 by 1056 pixels of paper and 5 of shadow.
    ASSERT_EQ(box.shown.size(), QSize(821, 1061));
    EXPECT_EQ(box.placedSize, QSize(821, 1061));
    EXPECT_EQ(box.placedMargin, 20);
    const struct {
        int x;
        int y;
        QRgb expected;
        const char* what;
    } pixels[] = {
        {0, 0, Black, "border, top left"},
        {815, 1055, Black, "border, bottom right"},
        {815, 0, Black, "border, top right"},
        {1, 1, White, "paper"},
        {814, 1054, White, "paper, bottom right"},
        {816, 0, Box, "top-right corner"},
        {820, 4, Box, "top-right corner, lowest row"},
        {816, 5, Black, "right shadow, first row"},
        {820, 1060, Black, "shadow, bottom right"},
        {0, 1056, Box, "bottom-left corner"},
        {4, 1060, Box, "bottom-left corner, last column"},
        {5, 1056, Black, "bottom shadow, first column"},
        {600, 1058, Black, "bottom shadow"},
    };
    for (const auto& p : pixels) {
        SCOPED_TRACE(p.what);
        EXPECT_EQ(pixel(p.x, p.y), p.expected);
    }
}

TEST_F(RenderPreview, DrawsTheRecordsAtTheZoomFromThePaperCorner) {
    show(numberedPages(1));
    // The text "Page 1" starts at 96, 96 on its baseline: dark pixels just
    // above it, none left of it.
    int dark = 0;
    for (int y = 80; y < 97; ++y)
        for (int x = 96; x < 150; ++x)
            dark += qGray(pixel(x, y)) < 128;
    EXPECT_GT(dark, 20);
    for (int y = 70; y < 110; ++y)
        EXPECT_EQ(pixel(94, y), White) << y;

    preview.setZoomFactor(50); // no handler: the page is drawn again
    ASSERT_EQ(box.shown.size(), QSize(408 + 5, 528 + 5));
    dark = 0;
    for (int y = 38; y < 49; ++y)
        for (int x = 48; x < 80; ++x)
            dark += qGray(pixel(x, y)) < 128;
    EXPECT_GT(dark, 5);
}

TEST_F(RenderPreview, StepsOfAPageInOrder) {
    std::vector<std::string> seen;
    preview.setOnPageChange([&] {
        seen.push_back("page change " + std::to_string(preview.currentPage()) + " of " +
                       std::to_string(preview.pages()));
        seen.push_back(QGuiApplication::overrideCursor() &&
                               QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor
                           ? "hourglass"
                           : "no hourglass");
        box.calls.push_back("page change");
    });
    box.scroll = {30, 400};
    show(numberedPages(3), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"page change 2 of 3", "hourglass"}));
    EXPECT_EQ(box.calls,
              (std::vector<std::string>{"create", "page change", "scroll 0,0",
                                        "place 821x1061 at 20", "scroll 30,400", "picture"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    box.calls.clear();
    preview.showPage(3);
    EXPECT_EQ(box.calls.front(), "page change"); // the picture exists already
}

TEST_F(RenderPreview, ClampsPageNumbers) {
    EXPECT_EQ(preview.pages(), 0);
    show(numberedPages(3), 0);
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(preview.pages(), 3);
    const struct {
        int request;
        int shown;
    } cases[] = {{-5, 1}, {0, 1}, {2, 2}, {3, 3}, {99, 3}};
    for (const auto& c : cases) {
        preview.showPage(c.request);
        EXPECT_EQ(preview.currentPage(), c.shown) << c.request;
    }
    // Before the page count is known a request beyond it is taken as asked
    // and then clamped by the stream's own count.
    TRptRenderPreview fresh;
    fresh.setScrollBox(&box);
    QByteArray copy = numberedPages(3);
    QBuffer other(&copy);
    other.open(QIODevice::ReadOnly);
    fresh.setStream(&other);
    fresh.showPage(99);
    EXPECT_EQ(fresh.currentPage(), 3);
}

TEST_F(RenderPreview, NextAndPreviousWrapAround) {
    show(numberedPages(3));
    preview.previousPage();
    EXPECT_EQ(preview.currentPage(), 3);
    preview.nextPage();
    EXPECT_EQ(preview.currentPage(), 1);
    preview.nextPage();
    EXPECT_EQ(preview.currentPage(), 2);

    show(numberedPages(1));
    const int pictures = box.pictures;
    preview.nextPage();
    preview.previousPage();
    EXPECT_EQ(box.pictures, pictures); // a one-page report stays put
}

TEST_F(RenderPreview, RefusesToDrawWithoutAScrollBox) {
    preview.setScrollBox(nullptr);
    EXPECT_EQ(errorOf([&] { show(numberedPages(1)); }),
              "ScrollBox must be assigned for RenderPreview component");
    EXPECT_EQ(errorOf([&] { preview.setZoomFactor(-1); }),
              "ScrollBox must be assigned for RenderPreview component");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RenderPreview, WithoutAStreamNothingIsDrawn) {
    preview.showPage(4);
    EXPECT_EQ(preview.currentPage(), 4);
    EXPECT_EQ(box.pictures, 0);
    EXPECT_FALSE(preview.hasPicture());
}

TEST_F(RenderPreview, ZoomSetterFitsAndClamps) {
    int changes = 0;
    preview.setOnZoomChange([&] { ++changes; });
    show(numberedPages(1));
    const int pictures = box.pictures;
    const struct {
        double z;
        double expected;
    } cases[] = {
        {-1, 33.2386363636}, // fit page: (606 - 40) / 816, (391 - 40) / 1056
        {-1.8, 33.2386363636},
        {-1.9, 67.2794117647}, // fit page width, with room for a scroll bar
        {-100, 67.2794117647},
        {0, 10},
        {5, 10},
        {110, 110},
        {500, 200},
    };
    for (const auto& c : cases) {
        preview.setZoomFactor(c.z);
        EXPECT_NEAR(preview.zoomFactor(), c.expected, 1e-9) << c.z;
    }
    EXPECT_EQ(changes, 8);
    EXPECT_EQ(box.pictures, pictures); // the handler decides about drawing

    // A box too small for any picture still gives a factor of 10.
    box.box = {40, 40, 17, 17, 4, 4};
    preview.setZoomFactor(-1);
    EXPECT_EQ(preview.zoomFactor(), 10);
}

TEST_F(RenderPreview, ZoomInAndOutInSteps) {
    int changes = 0;
    preview.setOnZoomChange([&] { ++changes; });
    preview.setZoomFactor(195);
    preview.zoomIn();
    EXPECT_EQ(preview.zoomFactor(), 200);
    preview.zoomIn();
    EXPECT_EQ(preview.zoomFactor(), 200);
    preview.setZoomFactor(15);
    preview.zoomOut();
    EXPECT_EQ(preview.zoomFactor(), 10); // 5, raised to 10
    changes = 0;
    preview.zoomOut(); // at 10 nothing happens
    EXPECT_EQ(preview.zoomFactor(), 10);
    EXPECT_EQ(changes, 0);
}

TEST_F(RenderPreview, MonochromePagesHaveNoShadow) {
    change([](RptPreviewSettings& s) {
        s.setShadowDepth(0);
        s.setMonochrome(true);
    });
    show(numberedPages(1));
    EXPECT_EQ(box.shown.format(), QImage::Format_Mono);
    EXPECT_EQ(box.shown.size(), QSize(816, 1056)); // no shadow
    EXPECT_EQ(box.shown.pixel(815, 1055), Black);
    EXPECT_EQ(box.shown.pixel(400, 500), White);
}

TEST_F(RenderPreview, DrawsAtTheDevicePixelRatio) {
    box.ratio = 2;
    show(numberedPages(1));
    EXPECT_EQ(box.shown.size(), QSize(1642, 2122));
    EXPECT_EQ(box.shown.devicePixelRatio(), 2.0);
    EXPECT_EQ(box.placedSize, QSize(821, 1061));
    // The border is two device pixels wide, the shadow ten.
    EXPECT_EQ(pixel(1, 1), Black);
    EXPECT_EQ(pixel(2, 2), White);
    EXPECT_EQ(pixel(1632, 10), Black);
    EXPECT_EQ(pixel(1632, 9), Box);
    // The text starts at 192, 192 device pixels.
    for (int y = 140; y < 220; ++y)
        EXPECT_EQ(pixel(189, y), White) << y;
}

TEST_F(RenderPreview, GridLinesInsideThePaper) {
    change([](RptPreviewSettings& s) {
        s.GridHoriz = 1.0;
        s.GridVert = 2.0;
        s.GridPen = RptGridPen{0x00FFFF00, TPenStyle::psSolid}; // cyan
    });
    show(handMadePage({}));
    const QRgb cyan = qRgb(0, 255, 255);
    EXPECT_EQ(pixel(400, 96), cyan);
    EXPECT_EQ(pixel(400, 96 * 10), cyan);
    EXPECT_EQ(pixel(400, 95), White);
    EXPECT_EQ(pixel(192, 500), cyan);
    EXPECT_EQ(pixel(193, 500), White);
    EXPECT_EQ(pixel(400, 1055), Black); // the border stays
    EXPECT_EQ(pixel(0, 96), Black);
}

TEST_F(RenderPreview, RulersMoveThePaper) {
    change([](RptPreviewSettings& s) { s.RulerType = TRulerType::rtBothCm; });
    show(handMadePage({}));
    EXPECT_EQ(box.shown.size(), QSize(841, 1081));
    EXPECT_EQ(pixel(20, 20), Black); // the paper's corner
    EXPECT_EQ(pixel(21, 21), White);
    EXPECT_EQ(pixel(835, 20), Black); // its top-right border
}

TEST_F(RenderPreview, ReaderErrorsReachTheCaller) {
    EXPECT_EQ(errorOf([&] { show(QByteArray("A\xE1\x07")); }),
              "Unexpected header code [65] found in report file.");
    const int pictures = box.pictures;
    StreamBytes records;
    records.b(99);
    EXPECT_EQ(errorOf([&] { show(handMadePage(records.bytes)); }),
              "Unexpected code [99] found in report file.");
    // The paper drawn before the record stays to be seen.
    EXPECT_EQ(box.pictures, pictures + 1);
    EXPECT_EQ(pixel(1, 1), White);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RenderPreview, RefusesPicturesBeyondMemory) {
    preview.setZoomFactor(200);
    EXPECT_EQ(errorOf([&] { show(numberedPages(1, 400, 400)); }),
              "Page 1 is too large to show at 200.0 percent.");
    EXPECT_EQ(box.pictures, 0);
    preview.setZoomFactor(10); // a tenth: 3840 pixels square
    EXPECT_EQ(box.shown.size(), QSize(3845, 3845));
}

TEST_F(RenderPreview, AReportWithoutPagesShowsNone) {
    int changes = 0;
    preview.setOnPageChange([&] { ++changes; });
    show(writeStream([](TRptStreamWriter&) {}));
    EXPECT_EQ(preview.pages(), 0);
    EXPECT_EQ(preview.currentPage(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.pictures, 0);
    preview.nextPage();
    preview.previousPage();
    EXPECT_EQ(box.pictures, 0);
}

TEST_F(RenderPreview, KeepsItsReaderWhileTheStreamStays) {
    show(numberedPages(2000));
    preview.showPage(2000); // walks the chain once
    const qint64 walked = buffer.bytesRead;
    preview.showPage(1);
    preview.showPage(1999);
    // The second trip to the end reads near the two pages only.
    EXPECT_LT(buffer.bytesRead - walked, 5 * 16384);
    EXPECT_GT(walked, 1000 * 50);

    // Another stream is read from its own start.
    show(numberedPages(2));
    EXPECT_EQ(preview.pages(), 2);
}

TEST_F(RenderPreview, DamagedStreamsGiveErrorsNeverCrashes) {
    // Every byte of a small stream in turn set to values that break sizes,
    // codes and links; each page of the result is asked for. (Shapes only:
    // font names made of damaged bytes would fill the font cache.)
    const QByteArray good = writeStream([](TRptStreamWriter& w) {
        for (int page = 0; page < 3; ++page) {
            w.beginPage();
            w.setPenWidth(0.02);
            w.line(1, 1, 7, 1);
            w.rectangle({1, 2, 3, 4});
            w.ellipse({4, 2, 6, 4});
            const RptPoint points[] = {{1, 5}, {2, 6}, {3, 5}};
            w.polygon(points);
            w.endPage();
        }
    });
    int errors = 0;
    for (qsizetype at = 0; at < good.size(); at += 4) {
        for (const char value : {'\x00', '\x7f', '\xff'}) {
            QByteArray bad = good;
            bad[at] = value;
            for (const int page : {1, 3, 2}) {
                try {
                    show(bad, page);
                } catch (const AppError&) {
                    ++errors;
                }
            }
        }
    }
    EXPECT_GT(errors, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace zamt::test

namespace zamt::test {
namespace {

TEST_F(RenderPreview, TakesTheReportSystemsPreviewSettings) {
    // The window's own values first, then a run's settings.
    change([](RptPreviewSettings& s) {
        s.setShadowDepth(2);
        s.MarginPercent = 5.0;
    });
    int zoomChanges = 0;
    preview.setOnZoomChange([&] { ++zoomChanges; });
    TRptSystem system;
    system.configureForRun({});
    preview.setSettings(system.SystemPreview);
    EXPECT_TRUE(preview.settings() == static_cast<const RptPreviewSettings&>(system.SystemPreview));
    EXPECT_EQ(preview.settings().ShadowDepth(), 5);
    EXPECT_EQ(preview.settings().MarginPercent, 2.5);
    EXPECT_EQ(zoomChanges, 1); // the zoom factor went through its setter
    // The run's margin: 2.5 % of 8.5 inches at 96 ppi.
    show(numberedPages(1));
    EXPECT_EQ(box.placedMargin, 20);

    // Taken over whole, monochrome settings leave no shadow of the earlier ones.
    TSystemPreview mono;
    mono.setMonochrome(true);
    preview.setSettings(mono);
    EXPECT_TRUE(preview.settings().Monochrome());
    EXPECT_EQ(preview.settings().ShadowDepth(), 0);
}

} // namespace
} // namespace zamt::test
