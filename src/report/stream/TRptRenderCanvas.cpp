#include "report/stream/TRptRenderCanvas.h"

#include "platform/CodePage.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptColor.h"

#include <QFontMetricsF>
#include <QPolygon>
#include <cmath>

namespace zamt {
namespace {

// The font name handed to the platform keeps at most this many characters.
constexpr size_t MaxPlatformFontName = 31;
// Script fonts are made smaller by this factor.
constexpr double ScriptFactor = 1.667;
// Sizes from a file can be anything; these keep the painter responsive.
constexpr int MaxFontPixels = 4096;
constexpr int MaxPenPixels = 4096;

constexpr uint8_t PenStyleClear = 5;
constexpr uint8_t PenStyleInsideFrame = 6;

int canvasPixels(double value, int limit) {
    if (!std::isfinite(value) || value < 0)
        return 0;
    return value > limit ? limit : int(std::lround(value));
}

Qt::PenStyle qtPenStyle(uint8_t style) {
    switch (style) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case PenStyleClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle qtBrushStyle(uint8_t style) {
    switch (style) {
    case 1:
        return Qt::NoBrush;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::FDiagPattern;
    case 5:
        return Qt::BDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

// Raster operations of the pen modes that have one; the rest draw plainly.
QPainter::CompositionMode qtPenComposition(uint8_t mode) {
    switch (mode) {
    case 3:
        return QPainter::RasterOp_NotDestination;
    case 5:
        return QPainter::RasterOp_NotSource;
    case 10:
        return QPainter::RasterOp_SourceOrDestination;
    case 12:
        return QPainter::RasterOp_SourceAndDestination;
    case 14:
        return QPainter::RasterOp_SourceXorDestination;
    case 15:
        return QPainter::RasterOp_NotSourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

} // namespace

TRptRenderCanvas::TRptRenderCanvas(QPainter& painter, const RptTransform& transform)
    : painter_(&painter), transform_(transform) {}

void TRptRenderCanvas::beginPage(const RptPageInfo& page) {
    if (start_ && *start_)
        (*start_)(page, transform_);
    // Each page brings its whole state; start it from the defaults.
    font_ = RptFont();
    pen_ = RptPen();
    brush_ = RptBrush();
    fontDirty_ = true;
    position_ = transform_.point(0, 0);
}

// ---------------------------------------------------------------- state

void TRptRenderCanvas::setFont(const RptFont& font) {
    font_ = font;
    fontDirty_ = true;
}
void TRptRenderCanvas::setFontName(const std::string& name) {
    font_.name = name;
    fontDirty_ = true;
}
void TRptRenderCanvas::setFontColor(int32_t color) {
    font_.color = color;
}
void TRptRenderCanvas::setFontPitch(uint8_t pitch) {
    font_.pitch = pitch;
    fontDirty_ = true;
}
void TRptRenderCanvas::setFontHeight(float height, float height2) {
    font_.height = height;
    font_.height2 = height2;
    fontDirty_ = true;
}
void TRptRenderCanvas::setBold(bool on) {
    font_.bold = on;
    fontDirty_ = true;
}
void TRptRenderCanvas::setUnderline(bool on) {
    font_.underline = on;
    fontDirty_ = true;
}
void TRptRenderCanvas::setItalic(bool on) {
    font_.italic = on;
    fontDirty_ = true;
}
void TRptRenderCanvas::setStrikeOut(bool on) {
    font_.strikeOut = on;
    fontDirty_ = true;
}
void TRptRenderCanvas::setSuperscript(bool on) {
    font_.superscript = on;
    fontDirty_ = true;
}
void TRptRenderCanvas::setSubscript(bool on) {
    font_.subscript = on;
    fontDirty_ = true;
}
void TRptRenderCanvas::setFontRotation(int16_t degrees) {
    font_.rotation = degrees;
}

void TRptRenderCanvas::setPen(const RptPen& pen) {
    pen_ = pen;
}
void TRptRenderCanvas::setPenColor(int32_t color) {
    pen_.color = color;
}
void TRptRenderCanvas::setPenMode(uint8_t mode) {
    pen_.mode = mode;
}
void TRptRenderCanvas::setPenStyle(uint8_t style) {
    pen_.style = style;
}
void TRptRenderCanvas::setPenWidth(float width) {
    pen_.width = width;
}
void TRptRenderCanvas::setBrush(const RptBrush& brush) {
    brush_ = brush;
}
void TRptRenderCanvas::setBrushColor(int32_t color) {
    brush_.color = color;
    brush_.bitmap.reset();
}
void TRptRenderCanvas::setBrushStyle(uint8_t style) {
    brush_.style = style;
}
void TRptRenderCanvas::setBrushBitmap(const std::optional<RptGraphic>& bitmap) {
    brush_.bitmap = bitmap;
}

QFont TRptRenderCanvas::currentFont() {
    if (!fontDirty_)
        return qfont_;
    const std::string_view name = std::string_view(font_.name).substr(0, MaxPlatformFontName);
    QFont font(fromCp1251(name));
    double pixels = transform_.height(font_.height);
    if (font_.superscript || font_.subscript)
        pixels /= ScriptFactor;
    font.setPixelSize(std::max(1, canvasPixels(pixels, MaxFontPixels)));
    font.setBold(font_.bold);
    font.setItalic(font_.italic);
    font.setUnderline(font_.underline);
    font.setStrikeOut(font_.strikeOut);
    if (font_.pitch == 2) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    qfont_ = font;
    fontDirty_ = false;
    return qfont_;
}

QPen TRptRenderCanvas::makePen() const {
    if (pen_.mode == 2 || pen_.style == PenStyleClear) // no-operation mode, clear style
        return QPen(Qt::NoPen);
    QColor color = rptColor(pen_.color);
    if (pen_.mode == 0)
        color = Qt::black;
    else if (pen_.mode == 1)
        color = Qt::white;
    const int width = canvasPixels(transform_.width(pen_.width), MaxPenPixels);
    QPen pen(color, width <= 1 ? 0 : width, qtPenStyle(pen_.style), Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

QBrush TRptRenderCanvas::makeBrush() {
    if (brush_.bitmap) {
        const QImage pattern = image(*brush_.bitmap);
        if (!pattern.isNull())
            return QBrush(pattern);
    }
    return QBrush(rptColor(brush_.color), qtBrushStyle(brush_.style));
}

void TRptRenderCanvas::prepare(Tool tool) {
    painter_->setPen(makePen());
    painter_->setBrush(tool == Tool::PenAndBrush ? makeBrush() : QBrush(Qt::NoBrush));
    painter_->setCompositionMode(qtPenComposition(pen_.mode));
}

QRect TRptRenderCanvas::deviceRect(const RptRect& rect) const {
    int x1 = transform_.x(rect.x1), x2 = transform_.x(rect.x2);
    int y1 = transform_.y(rect.y1), y2 = transform_.y(rect.y2);
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

QImage TRptRenderCanvas::image(const RptGraphic& graphic) {
    if (graphic.dataPosition >= 0) {
        if (const auto it = pictures_.constFind(graphic.dataPosition); it != pictures_.constEnd())
            return it.value();
    }
    QImage decoded;
    if (graphic.kind == RptCode::GraphicBitmap)
        decoded = QImage::fromData(graphic.data, "BMP");
    else if (graphic.kind == RptCode::GraphicIcon)
        decoded = QImage::fromData(graphic.data, "ICO");
    // Metafiles and unknown kinds stay empty: nothing is drawn for them.
    if (graphic.dataPosition >= 0)
        pictures_.insert(graphic.dataPosition, decoded);
    return decoded;
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
    if (pen_.style == PenStyleInsideFrame && width > 1) {
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

// The curve runs counter-clockwise from where the line from the centre to the
// start point crosses the ellipse to where the line to the end point does.
void TRptRenderCanvas::drawCurve(const RptArc& arc, int kind) {
    const QRect r = deviceRect(arc.bounds).adjusted(0, 0, -1, -1);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const double cx = r.x() + r.width() / 2.0;
    const double cy = r.y() + r.height() / 2.0;
    auto angle = [&](RptPoint p) {
        const QPoint d = transform_.point(p.x, p.y);
        // Angles on the ellipse as the painter counts them: of the point
        // scaled onto the unit circle, y upwards.
        return std::atan2(-(d.y() - cy) / r.height(), (d.x() - cx) / r.width()) * 180.0 / M_PI;
    };
    const double start = angle(arc.start);
    double span = angle(arc.end) - start;
    if (!std::isfinite(start) || !std::isfinite(span))
        return;
    if (span <= 0)
        span += 360;
    const int a = int(std::lround(start * 16));
    const int s = int(std::lround(span * 16));
    prepare(kind == 0 ? Tool::Pen : Tool::PenAndBrush);
    if (kind == 0)
        painter_->drawArc(r, a, s);
    else if (kind == 1)
        painter_->drawChord(r, a, s);
    else
        painter_->drawPie(r, a, s);
}

void TRptRenderCanvas::drawPicture(const RptGraphic& picture, RptPoint at) {
    const QImage img = image(picture);
    if (img.isNull())
        return;
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->drawImage(transform_.point(at.x, at.y), img);
}

void TRptRenderCanvas::stretchPicture(const RptGraphic& picture, const RptRect& rect) {
    const QImage img = image(picture);
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
