#include "report/pdf/TRptRenderPDF.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileReplacement.h"
#include "report/common/RptTranslate.h"
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

// Starts a new PDF page of each stream page's size before drawing it.
class PdfPages : public TRptRenderCanvas {
public:
    PdfPages(QPdfWriter* writer, QPainter* painter)
        : TRptRenderCanvas(painter, RptTransform::preview(kResolution, 100)), writer_(writer),
          painter_(painter) {}

    void beginStream(const RptStreamHeader& header) override {
        header_ = header;
        TRptRenderCanvas::beginStream(header);
    }

    void beginPage(const RptPageInfo& page) override {
        const QSizeF size(paperInches(page.paperWidth, header_.paperWidth),
                          paperInches(page.paperHeight, header_.paperHeight));
        const QPageLayout layout(QPageSize(size, QPageSize::Inch, {}, QPageSize::ExactMatch),
                                 QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
        if (!painter_->isActive()) {
            writer_->setPageLayout(layout);
            if (!painter_->begin(writer_))
                throw AppError(QStringLiteral("The PDF document cannot be started."));
        } else {
            writer_->setPageLayout(layout);
            writer_->newPage();
        }
        TRptRenderCanvas::beginPage(page);
    }

private:
    QPdfWriter* writer_;
    QPainter* painter_;
    RptStreamHeader header_;
};

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
        writer.setTitle(fromCp1251(reader.readHeader().title));
        PdfPages pages(&writer, &painter);
        reader.replayAll(pages);
        if (!painter.isActive()) {
            // A stream without pages still makes a valid document of one
            // blank page of the report's paper.
            pages.beginPage({});
        }
        painter.end();
    }
    if (!file.commit())
        throw AppError(file.errorMessage(rptTranslate));
}

} // namespace zamt
