#include "report/stream/TRptRenderCanvas.h"

#include "platform/CodePage.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptColor.h"
#include "report/stream/RptQtStyle.h"

#include <QFontMetricsF>
#include <QPolygon>
#include <cmath>

namespace zamt {

TRptRenderCanvas::TRptRenderCanvas(QPainter& painter, const RptTransform& transform)
    : painter_(&painter), transform_(transform) {}

void TRptRenderCanvas::beginPage(const RptPageInfo& page) {
    if (start_ && *start_)
        (*start_)(page, transform_);
    resetState();
    position_ = transform_.point(0, 0);
}

// ---------------------------------------------------------------- state

QFont TRptRenderCanvas::currentFont() {
    if (fontDirty_) {
        qfont_ = rptQFont(font_, transform_);
        fontDirty_ = false;
    }
    return qfont_;
}

QBrush TRptRenderCanvas::makeBrush() {
    return rptQBrush(brush_, brush_.bitmap ? picture(*brush_.bitmap) : QImage());
}

void TRptRenderCanvas::prepare(Tool tool) {
    painter_->setPen(rptQPen(pen_, transform_));
    painter_->setBrush(tool == Tool::PenAndBrush ? makeBrush() : QBrush(Qt::NoBrush));
    painter_->setCompositionMode(rptPenComposition(pen_.mode));
}

QRect TRptRenderCanvas::deviceRect(const RptRect& rect) const {
    return rptDeviceRect(rect, transform_);
}

// ---------------------------------------------------------------- drawing

void TRptRenderCanvas::fillRect(const RptRect& rect) {
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->fillRect(deviceRect(rect), makeBrush());
}

void TRptRenderCanvas::rectangle(const RptRect& rect) {
    const QRect r = deviceRect(rect);
    prepare(Tool::PenAndBrush);
    if (painter_->pen().style() == Qt::NoPen)
        painter_->fillRect(r, painter_->brush());
    else
        painter_->drawRect(r.adjusted(0, 0, -1, -1));
}

void TRptRenderCanvas::ellipse(const RptRect& rect) {
    QRect r = deviceRect(rect).adjusted(0, 0, -1, -1);
    prepare(Tool::PenAndBrush);
    const int width = painter_->pen().width();
    if (pen_.style == kRptPenStyleInsideFrame && width > 1) {
        // The outline stays inside the rectangle.
        const int inset = width / 2;
        r.adjust(inset, inset, -inset, -inset);
    }
    painter_->drawEllipse(r);
}

void TRptRenderCanvas::roundRect(const RptRect& rect, float cornerWidth, float cornerHeight) {
    const QRect r = deviceRect(rect).adjusted(0, 0, -1, -1);
    prepare(Tool::PenAndBrush);
    const double rx = std::clamp(transform_.width(cornerWidth) / 2.0, 0.0, r.width() / 2.0);
    const double ry = std::clamp(transform_.height(cornerHeight) / 2.0, 0.0, r.height() / 2.0);
    painter_->drawRoundedRect(r, std::isfinite(rx) ? rx : 0.0, std::isfinite(ry) ? ry : 0.0);
}

void TRptRenderCanvas::moveTo(RptPoint point) {
    position_ = transform_.point(point.x, point.y);
}

void TRptRenderCanvas::lineTo(RptPoint point) {
    const QPoint to = transform_.point(point.x, point.y);
    prepare(Tool::Pen);
    painter_->drawLine(position_, to);
    position_ = to;
}

void TRptRenderCanvas::polygon(const std::vector<RptPoint>& points) {
    QPolygon device;
    device.reserve(qsizetype(points.size()));
    for (const RptPoint& p : points)
        device << transform_.point(p.x, p.y);
    prepare(Tool::PenAndBrush);
    painter_->drawPolygon(device);
}

void TRptRenderCanvas::polyline(const std::vector<RptPoint>& points) {
    QPolygon device;
    device.reserve(qsizetype(points.size()));
    for (const RptPoint& p : points)
        device << transform_.point(p.x, p.y);
    prepare(Tool::Pen);
    painter_->drawPolyline(device);
}

void TRptRenderCanvas::arc(const RptArc& arc) {
    drawCurve(arc, 0);
}
void TRptRenderCanvas::chord(const RptArc& chord) {
    drawCurve(chord, 1);
}
void TRptRenderCanvas::pie(const RptArc& pie) {
    drawCurve(pie, 2);
}

void TRptRenderCanvas::drawCurve(const RptArc& arc, int kind) {
    const std::optional<RptCurve> curve = rptCurve(arc, transform_);
    if (!curve)
        return;
    prepare(kind == 0 ? Tool::Pen : Tool::PenAndBrush);
    if (kind == 0)
        painter_->drawArc(curve->rect, curve->startAngle, curve->spanAngle);
    else if (kind == 1)
        painter_->drawChord(curve->rect, curve->startAngle, curve->spanAngle);
    else
        painter_->drawPie(curve->rect, curve->startAngle, curve->spanAngle);
}

void TRptRenderCanvas::drawPicture(const RptGraphic& picture, RptPoint at) {
    const QImage img = this->picture(picture);
    if (img.isNull())
        return;
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->drawImage(transform_.point(at.x, at.y), img);
}

void TRptRenderCanvas::stretchPicture(const RptGraphic& picture, const RptRect& rect) {
    const QImage img = this->picture(picture);
    if (img.isNull())
        return;
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->drawImage(deviceRect(rect), img);
}

void TRptRenderCanvas::stretchBitmap(const RptGraphic& bitmap, const RptRect& rect) {
    stretchPicture(bitmap, rect);
}

void TRptRenderCanvas::stretchBitmapArea(const RptGraphic& bitmap, RptPoint at, float width,
                                         float height) {
    stretchPicture(bitmap, RptRect{at.x, at.y, at.x + width, at.y + height});
}

void TRptRenderCanvas::text(const RptText& text) {
    std::string joined;
    for (const std::string& run : text.runs)
        joined += run;
    if (joined.empty())
        return;
    const QString s = fromCp1251(joined);
    const QFont font = currentFont();
    painter_->setFont(font);
    painter_->setPen(rptColor(font_.color));
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);

    double dx = 0;
    if (text.code == RptCode::TextCenter || text.code == RptCode::TextRight) {
        const double width = QFontMetricsF(font, painter_->device()).horizontalAdvance(s);
        dx = text.code == RptCode::TextCenter ? -width / 2 : -width;
    }
    painter_->save();
    if (text.code == RptCode::TextClipped)
        painter_->setClipRect(deviceRect(text.clip), Qt::IntersectClip);
    painter_->translate(transform_.point(text.x, text.y));
    if (font_.rotation != 0)
        painter_->rotate(-font_.rotation);
    painter_->drawText(QPointF(dx, 0), s);
    painter_->restore();
}

} // namespace zamt
