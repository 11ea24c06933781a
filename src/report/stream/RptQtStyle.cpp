#include "report/stream/RptQtStyle.h"

#include "platform/CodePage.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptColor.h"

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

} // namespace

QFont rptQFont(const RptFont& font, const RptTransform& transform) {
    const std::string_view name = std::string_view(font.name).substr(0, MaxPlatformFontName);
    QFont result(fromCp1251(name));
    double pixels = transform.height(font.height);
    if (font.superscript || font.subscript)
        pixels /= ScriptFactor;
    result.setPixelSize(std::max(1, canvasPixels(pixels, MaxFontPixels)));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    if (font.pitch == 2) {
        result.setFixedPitch(true);
        result.setStyleHint(QFont::TypeWriter);
    }
    return result;
}

QPen rptQPen(const RptPen& pen, const RptTransform& transform) {
    if (pen.mode == 2 || pen.style == PenStyleClear) // no-operation mode, clear style
        return QPen(Qt::NoPen);
    QColor color = rptColor(pen.color);
    if (pen.mode == 0)
        color = Qt::black;
    else if (pen.mode == 1)
        color = Qt::white;
    const int width = canvasPixels(transform.width(pen.width), MaxPenPixels);
    return QPen(color, width <= 1 ? 0 : width, qtPenStyle(pen.style), Qt::FlatCap, Qt::MiterJoin);
}

QBrush rptQBrush(const RptBrush& brush, const QImage& pattern) {
    if (brush.bitmap && !pattern.isNull())
        return QBrush(pattern);
    return QBrush(rptColor(brush.color), qtBrushStyle(brush.style));
}

QPainter::CompositionMode rptPenComposition(uint8_t mode) {
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

QRect rptDeviceRect(const RptRect& rect, const RptTransform& transform) {
    int x1 = transform.x(rect.x1), x2 = transform.x(rect.x2);
    int y1 = transform.y(rect.y1), y2 = transform.y(rect.y2);
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

QImage rptDecodeGraphic(const RptGraphic& graphic) {
    if (graphic.kind == RptCode::GraphicBitmap)
        return QImage::fromData(graphic.data, "BMP");
    if (graphic.kind == RptCode::GraphicIcon)
        return QImage::fromData(graphic.data, "ICO");
    return {}; // metafiles and unknown kinds: nothing is drawn for them
}

// The curve runs counter-clockwise from where the line from the centre to the
// start point crosses the ellipse to where the line to the end point does.
std::optional<RptCurve> rptCurve(const RptArc& arc, const RptTransform& transform) {
    const QRect r = rptDeviceRect(arc.bounds, transform).adjusted(0, 0, -1, -1);
    if (r.width() <= 0 || r.height() <= 0)
        return std::nullopt;
    const double cx = r.x() + r.width() / 2.0;
    const double cy = r.y() + r.height() / 2.0;
    auto angle = [&](RptPoint p) {
        const QPoint d = transform.point(p.x, p.y);
        // Angles on the ellipse as the painter counts them: of the point
        // scaled onto the unit circle, y upwards.
        return std::atan2(-(d.y() - cy) / r.height(), (d.x() - cx) / r.width()) * 180.0 / M_PI;
    };
    const double start = angle(arc.start);
    double span = angle(arc.end) - start;
    if (!std::isfinite(start) || !std::isfinite(span))
        return std::nullopt;
    if (span <= 0)
        span += 360;
    return RptCurve{r, int(std::lround(start * 16)), int(std::lround(span * 16))};
}

} // namespace zamt
