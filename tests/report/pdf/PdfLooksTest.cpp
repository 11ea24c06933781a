// The PDF document shows each kind of record as the canvas paints it (the
// preview and the printer): both are drawn at 300 dpi and
// their dark pixels compared, a pixel's neighbours counting as a match.
#include "../stream/StreamTestSupport.h"
#include "platform/CodePage.h"
#include "report/pdf/TRptRenderPDF.h"
#include "report/stream/RptPaintPage.h"
#include "report/stream/TRptRenderCanvas.h"
#include "support/GuiApplication.h"
#include "support/SystemDifferences.h"
#include "support/TempDir.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

constexpr int kDpi = 300;

QImage painted(const QByteArray& stream) {
    QImage image(int(8.5 * kDpi), 11 * kDpi, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray copy = stream;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    reader.readHeader();
    QPainter painter(&image);
    TRptRenderCanvas canvas(painter, RptTransform::preview(kDpi, 100));
    rptPaintPage(reader, 1, canvas);
    return image;
}

QImage printedPdf(const QByteArray& stream, const QString& pdf) {
    QByteArray copy = stream;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    TRptRenderPDF().convert(buffer, pdf);
    QProcess poppler;
    poppler.start("pdftoppm", {"-r", QString::number(kDpi), "-aaVector", "no", "-singlefile", pdf});
    poppler.waitForFinished(30000);
    return QImage::fromData(poppler.readAllStandardOutput(), "PPM")
        .convertToFormat(QImage::Format_RGB32);
}

bool inked(const QImage& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return false;
    const QRgb p = image.pixel(x, y);
    return qRed(p) < 128 || qGreen(p) < 128 || qBlue(p) < 128;
}

// Inked pixels of `a` with no inked pixel of `b` within `reach`.
int unmatched(const QImage& a, const QImage& b, int reach, int& ink) {
    int missing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!inked(a, x, y))
                continue;
            ++ink;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx)
                    found = inked(b, x + dx, y + dy);
            missing += found ? 0 : 1;
        }
    return missing;
}

struct Case {
    const char* name;
    std::function<void(TRptStreamWriter&)> draw;
    int reach = 3;          // how far a pixel's match may be; a hatch's phase may differ by more
    const char* reads = ""; // what pdftotext reads of the page
};

RptGraphic checkerBitmap() {
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixelColor(x, y, (x / 4 + y / 4) % 2 ? Qt::blue : Qt::yellow);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return RptGraphic{1, bytes};
}

const Case kCases[] = {
    {"rows",
     [](TRptStreamWriter& w) {
         w.setFontName("DejaVu Sans Mono");
         w.setFontSize(12);
         w.text(1, 1, toCp1251(QStringLiteral("Паспорт участка 1234.5")));
         w.text(4.25, 1.5, "centred", RptAlign::Center);
         w.text(7.5, 2, "to the right", RptAlign::Right);
     },
     3, "Паспорт участка 1234.5"},
    {"styles",
     [](TRptStreamWriter& w) {
         w.setFontName("Liberation Serif");
         w.setFontSize(20);
         w.setBold(true);
         w.text(1, 1, "Bold");
         w.setBold(false);
         w.setItalic(true);
         w.text(1, 1.5, "Italic");
         w.setItalic(false);
         w.setUnderline(true);
         w.text(1, 2, "Underlined");
         w.setUnderline(false);
         w.setStrikeOut(true);
         w.text(1, 2.5, "Struck out");
     }},
    {"made-up slant",
     [](TRptStreamWriter& w) {
         w.setFontName("DejaVu Math TeX Gyre"); // an upright face only
         w.setFontSize(20);
         w.setItalic(true);
         w.text(1, 1, "abc");
     }},
    {"turned and clipped",
     [](TRptStreamWriter& w) {
         w.setFontName("DejaVu Sans");
         w.setFontSize(16);
         w.setFontRotation(90);
         w.text(2, 4, "upwards");
         w.setFontRotation(0);
         w.textClipped({1, 4.5, 2.5, 5}, 1, 4.9, "clipped at the frame edge");
     }},
    {"a face without the letters",
     [](TRptStreamWriter& w) {
         w.setFontName("DejaVu Math TeX Gyre"); // has no Cyrillic
         w.setFontSize(16);
         w.text(1, 1, toCp1251(QStringLiteral("Кириллица abc")));
     },
     3, "Кириллица abc"},
    {"a face in the compact format",
     [](TRptStreamWriter& w) {
         w.setFontName("Nimbus Sans");
         w.setFontSize(16);
         w.text(1, 1, toCp1251(QStringLiteral("Nimbus Кириллица")));
     },
     3, "Nimbus Кириллица"},
    {"shapes",
     [](TRptStreamWriter& w) {
         w.setPenWidth(0.02);
         w.setBrushColor(0x00FF00);
         w.rectangle({1, 1, 3, 2});
         w.ellipse({4, 1, 6, 2});
         w.roundRect({1, 3, 3, 4}, 0.5, 0.5);
         w.setPenStyle(1);
         w.line(1, 5, 7, 5);
         w.setPenStyle(0);
         const RptPoint star[] = {{4, 6}, {5, 8}, {3, 6.8}, {5, 6.8}, {3, 8}};
         w.polygon(star);
         const RptPoint zigzag[] = {{6, 6}, {6.5, 7}, {7, 6}, {7.5, 7}};
         w.polyline(zigzag);
         w.arc({{1, 9, 3, 10.5}, {3, 9}, {1, 9}});
         w.chord({{3.5, 9, 5.5, 10.5}, {5.5, 10}, {3.5, 9}});
         w.pie({{6, 9, 8, 10.5}, {8, 9.75}, {7, 9}});
     }},
    {"fills",
     [](TRptStreamWriter& w) {
         w.setBrushColor(0x0000FF);
         w.fillRect({1, 1, 2, 2});
         w.setPenStyle(5);
         w.setBrushBitmap(checkerBitmap());
         w.rectangle({3, 1, 5, 3});
         w.drawPicture(checkerBitmap(), 6, 1);
         w.stretchPicture(checkerBitmap(), {1, 4, 3, 6});
     }},
    {"hatches",
     [](TRptStreamWriter& w) {
         w.setBrushColor(0);
         for (int style = 2; style <= 7; ++style) {
             w.setBrushStyle(style);
             w.rectangle({float(style - 1), 1, float(style - 0.2), 2});
         }
     },
     12},
};

class PdfLooks : public testing::TestWithParam<Case> {
protected:
    void SetUp() override { ensureGuiApplication(); }
    TempDir dir;
};

TEST_P(PdfLooks, AsTheCanvasPaintsIt) {
    if (!canRunHostTools())
        GTEST_SKIP() << kNoHostTools;
    const QByteArray stream = writeStream([](TRptStreamWriter& w) {
        w.beginPage();
        GetParam().draw(w);
        w.endPage();
    });
    const QImage canvas = painted(stream);
    const QImage pdf = printedPdf(stream, dir.file("look.pdf"));
    ASSERT_EQ(pdf.size(), canvas.size());
    int canvasInk = 0, pdfInk = 0;
    const int onlyCanvas = unmatched(canvas, pdf, GetParam().reach, canvasInk);
    const int onlyPdf = unmatched(pdf, canvas, GetParam().reach, pdfInk);
    EXPECT_GT(canvasInk, 200);
    EXPECT_LT(onlyCanvas, canvasInk / 25) << "ink " << canvasInk << " vs " << pdfInk;
    EXPECT_LT(onlyPdf, pdfInk / 25) << "ink " << pdfInk << " vs " << canvasInk;
    QProcess poppler;
    poppler.start("pdftotext", {dir.file("look.pdf"), "-"});
    poppler.waitForFinished(30000);
    EXPECT_TRUE(QString::fromUtf8(poppler.readAllStandardOutput())
                    .contains(QString::fromUtf8(GetParam().reads)));
    if (HasFailure()) {
        const QString kept = QDir::temp().filePath("pdf-looks-") + QString::number(canvasInk);
        canvas.save(kept + "-canvas.png");
        pdf.save(kept + "-pdf.png");
        QFile::copy(dir.file("look.pdf"), kept + ".pdf");
        ADD_FAILURE() << "pictures and document kept as " << kept.toStdString() << "*";
    }
}

INSTANTIATE_TEST_SUITE_P(, PdfLooks, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (char c : std::string(info.param.name))
        name += std::isalnum(uint8_t(c)) ? c : '_';
    return name;
});

} // namespace
} // namespace zamt::test
