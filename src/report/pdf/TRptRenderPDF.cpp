#include "report/pdf/TRptRenderPDF.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileReplacement.h"
#include "report/common/RptTranslate.h"
#include "report/stream/RptPaintPage.h"
#include "report/stream/RptProgress.h"
#include "report/stream/TRptRenderCanvas.h"
#include "report/stream/TRptStreamReader.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace zamt {
namespace {

// Drawing units of the document: fine enough that rounding positions to
// whole units is invisible.
constexpr int kResolution = 1200;
// Paper sizes from a file can be anything; a PDF page must be real.
constexpr double kMinPaper = 0.5;
constexpr double kMaxPaper = 200;

double paperInches(float pageValue, float headerValue) {
    const double value = pageValue > 0 && std::isfinite(pageValue) ? pageValue : headerValue;
    if (!std::isfinite(value))
        return 8.5;
    return std::clamp(value, kMinPaper, kMaxPaper);
}

// Starts the PDF page of a stream page at the page's paper size.
void startPdfPage(QPdfWriter& writer, QPainter& painter, const RptPageInfo& page,
                  const RptStreamHeader& header) {
    const QSizeF size(paperInches(page.paperWidth, header.paperWidth),
                      paperInches(page.paperHeight, header.paperHeight));
    const QPageLayout layout(QPageSize(size, QPageSize::Inch, {}, QPageSize::ExactMatch),
                             QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    if (!painter.isActive()) {
        writer.setPageLayout(layout);
        if (!painter.begin(&writer))
            throw AppError(QStringLiteral("The PDF document cannot be started."));
    } else {
        writer.setPageLayout(layout);
        writer.newPage();
    }
}

} // namespace

void TRptRenderPDF::convert(QIODevice& stream, const QString& fileName) {
    FileReplacement file(fileName);
    if (!file.open())
        throw AppError(file.errorMessage(rptTranslate));
    {
        QPdfWriter writer(file.device());
        writer.setResolution(kResolution);
        writer.setCreator(QStringLiteral("zamt05"));
        QPainter painter;
        TRptStreamReader reader(&stream);
        const RptStreamHeader header = reader.readHeader();
        writer.setTitle(fromCp1251(header.title));
        TRptRenderCanvas canvas(painter, RptTransform::preview(kResolution, 100));
        for (int page = 1; page <= header.pageCount; ++page) {
            if (Progress)
                Progress->page(page);
            rptPaintPage(reader, page, canvas, [&](const RptPageInfo& info, RptTransform&) {
                startPdfPage(writer, painter, info, header);
            });
        }
        if (!painter.isActive()) {
            // A stream without pages still makes a valid document of one
            // blank page of the report's paper.
            startPdfPage(writer, painter, {}, header);
        }
        painter.end();
    }
    if (!file.commit())
        throw AppError(file.errorMessage(rptTranslate));
}

} // namespace zamt
