#include "report/run/RptPageProducer.h"

#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "report/connection/RptDataViewCursor.h"
#include "report/project/RptPageNotation.h"
#include "report/project/RptPaper.h"
#include "report/stream/TRptStreamWriter.h"

#include <memory>

namespace zamt {
namespace {

// A text stands in its frame with its baseline this far below the frame's
// top, in parts of the font size: the ascent of common faces.
constexpr double kBaseline = 0.8;
// Band heights are added up in inches; this much overlap still fits.
constexpr double kFitTolerance = 1e-9;
// Brush styles of the page stream.
constexpr int kSolidBrush = 0;
constexpr int kClearBrush = 1;

double textX(const RptItemFrame& frame, RptAlign align, double left) {
    switch (align) {
    case RptAlign::Center:
        return left + frame.x + frame.width / 2;
    case RptAlign::Right:
        return left + frame.x + frame.width;
    case RptAlign::Left:
        break;
    }
    return left + frame.x;
}

double baseline(const RptItemFrame& frame, const RptItemFont& font, double top) {
    return top + frame.y + font.size / 72.0 * kBaseline;
}

} // namespace

RptPageProducer::RptPageProducer(const RptReport& report, const RptProjectModel& project)
    : report_(report), project_(project) {}

void RptPageProducer::produce(TRptStreamWriter& writer) {
    writer_ = &writer;
    std::unique_ptr<RptDataViewCursor> rows;
    if (report_.detail) {
        const RptDataView* view = project_.findDataView(report_.detail->dataView);
        if (!view)
            throw AppError(QStringLiteral("The report's detail band reads the data view \"%1\", "
                                          "which the project does not have.")
                               .arg(fromCp1251(report_.detail->dataView)));
        rows = std::make_unique<RptDataViewCursor>(view->connection, view->fields);
        rows->open();
        rows_ = rows.get();
    }
    beginPage();
    bool rowsOnPage = false;
    for (bool row = rows && rows->first(); row && !writer.aborted(); row = rows->next()) {
        const RptDetailBand& detail = *report_.detail;
        if (rowsOnPage && top_ + detail.height > footerTop_ + kFitTolerance) {
            endPage();
            beginPage();
        }
        drawBand(detail, top_);
        top_ += detail.height;
        rowsOnPage = true;
    }
    endPage();
    if (rows)
        rows->restore();
    rows_ = nullptr;
    writer_ = nullptr;
}

void RptPageProducer::beginPage() {
    writer_->beginPage();
    top_ = report_.marginTop;
    footerTop_ = rptPageHeight(report_) - report_.marginBottom;
    if (report_.pageFooter)
        footerTop_ -= report_.pageFooter->height;
    if (report_.pageHeader) {
        drawBand(*report_.pageHeader, top_);
        top_ += report_.pageHeader->height;
    }
}

void RptPageProducer::endPage() {
    if (report_.pageFooter)
        drawBand(*report_.pageFooter, footerTop_);
    writer_->endPage();
}

// The stream font of an item, made once a run: every row draws the same.
const RptFont& RptPageProducer::streamFont(const RptItemFont& font) {
    auto it = streamFonts_.find(&font);
    if (it == streamFonts_.end())
        it = streamFonts_.emplace(&font, rptStreamFont(font)).first;
    return it->second;
}

void RptPageProducer::drawBand(const RptBand& band, double top) {
    TRptStreamWriter& w = *writer_;
    const double left = report_.marginLeft;
    for (const RptItem& item : band.items) {
        if (const auto* text = std::get_if<RptFixedText>(&item)) {
            w.setFont(streamFont(text->font));
            w.text(textX(text->frame, text->align, left), baseline(text->frame, text->font, top),
                   rptExpandPageNotation(text->text), text->align);
        } else if (const auto* data = std::get_if<RptDataText>(&item)) {
            // Only the detail band's own data view has a current row.
            const bool current =
                rows_ && report_.detail && data->dataView == report_.detail->dataView;
            const std::string_view value =
                current ? std::string_view(rows_->text(rows_->fieldIndex(data->field))) : "";
            w.setFont(streamFont(data->font));
            w.text(textX(data->frame, data->align, left), baseline(data->frame, data->font, top),
                   value, data->align);
        } else if (const auto* line = std::get_if<RptLine>(&item)) {
            w.setPenColor(line->color);
            w.setPenWidth(line->penWidth / 72.0);
            w.line(left + line->x1, top + line->y1, left + line->x2, top + line->y2);
        } else if (const auto* box = std::get_if<RptBox>(&item)) {
            w.setPenColor(box->color);
            w.setPenWidth(box->penWidth / 72.0);
            if (box->fill) {
                w.setBrushColor(*box->fill);
                w.setBrushStyle(kSolidBrush);
            } else {
                w.setBrushStyle(kClearBrush);
            }
            const RptItemFrame& f = box->frame;
            w.rectangle({float(left + f.x), float(top + f.y), float(left + f.x + f.width),
                         float(top + f.y + f.height)});
        }
    }
}

} // namespace zamt
