#pragma once
// The stream's drawing state in Qt's terms: the font, pen and brush a record
// is drawn with, where a rectangle lands on the device, the pictures and the
// arcs' angles. The canvas paints with them and the PDF document writes the
// same things out, so both show a page alike.
#include "report/stream/RptTransform.h"
#include "report/stream/RptTypes.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <optional>

namespace zamt {

constexpr uint8_t kRptPenStyleInsideFrame = 6;

// The font of a text record: its name (at most 31 characters, as the
// platform takes them), its height in whole pixels (smaller for super- and
// subscripts), its weight, slant and lines.
QFont rptQFont(const RptFont& font, const RptTransform& transform);
// The pen of an outline; Qt::NoPen for the no-operation mode and the clear
// style. A width of one pixel or less is the thinnest line (0).
QPen rptQPen(const RptPen& pen, const RptTransform& transform);
// The brush of a fill: the bitmap pattern when it decodes, else the colour
// in the brush's hatch style.
QBrush rptQBrush(const RptBrush& brush, const QImage& pattern);
// Raster operations of the pen modes that have one; the rest draw plainly.
QPainter::CompositionMode rptPenComposition(uint8_t mode);

// The device rectangle of two corners in any order.
QRect rptDeviceRect(const RptRect& rect, const RptTransform& transform);
// A bitmap or an icon decoded; null for metafiles and what does not decode.
QImage rptDecodeGraphic(const RptGraphic& graphic);

// An arc, chord or pie on the device: the rectangle of its ellipse and its
// angles in sixteenths of a degree, counter-clockwise from three o'clock.
// None when the ellipse or the angles are degenerate.
struct RptCurve {
    QRect rect;
    int startAngle = 0;
    int spanAngle = 0;
};
std::optional<RptCurve> rptCurve(const RptArc& arc, const RptTransform& transform);

} // namespace zamt
