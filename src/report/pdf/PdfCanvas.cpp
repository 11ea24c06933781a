#include "report/pdf/PdfCanvas.h"

#include "platform/CodePage.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptColor.h"
#include "report/stream/RptQtStyle.h"
#include "report/stream/TRptStreamReader.h"

#include <QPainterPath>
#include <cmath>

namespace zamt {
namespace {

// Paper sizes from a file can be anything; a PDF page must be real.
constexpr double kMinPaper = 0.5;
constexpr double kMaxPaper = 200;
// A dash of the thinnest pen is as long as on a 96 dpi screen.
constexpr double kThinDashUnit = PdfDocument::kUnitsPerInch / 96;

double paperInches(float pageValue, float headerValue) {
    const double value = pageValue > 0 && std::isfinite(pageValue) ? pageValue : headerValue;
    if (!std::isfinite(value))
        return 8.5;
    return std::clamp(value, kMinPaper, kMaxPaper);
}

const auto n = pdfNumber;

} // namespace

PdfCanvas::PdfCanvas(PdfDocument& document, const RptTransform& transform)
    : document_(document), transform_(transform) {}

void PdfCanvas::addPage(TRptStreamReader& reader, int index, const RptStreamHeader& header) {
    page_ = {};
    content_.clear();
    reader.replayPage(index, *this);
    document_.addPage(paperInches(page_.paperWidth, header.paperWidth),
                      paperInches(page_.paperHeight, header.paperHeight), content_);
}

void PdfCanvas::addPage(TRptStreamReader& reader, int index, QSizeF paper) {
    content_.clear();
    reader.replayPage(index, *this);
    document_.addPage(paper.width(), paper.height(), content_);
}

void PdfCanvas::addBlankPage(const RptStreamHeader& header) {
    document_.addPage(paperInches(0, header.paperWidth), paperInches(0, header.paperHeight), {});
}

void PdfCanvas::beginPage(const RptPageInfo& page) {
    page_ = page;
    resetState();
    position_ = transform_.point(0, 0);
    resetTrackedState();
}

void PdfCanvas::resetTrackedState() {
    fill_.clear();
    stroke_.clear();
    textFont_.clear();
}

// ---------------------------------------------------------------- paths

void PdfCanvas::setFill(const QByteArray& operators) {
    if (operators != fill_) {
        content_ += operators;
        fill_ = operators;
    }
}

bool PdfCanvas::fillWith(const QBrush& brush) {
    switch (brush.style()) {
    case Qt::NoBrush:
        return false;
    case Qt::SolidPattern:
        setFill(pdfColor(brush.color()) + " rg\n");
        return true;
    case Qt::TexturePattern:
        setFill("/Pattern cs /" +
                document_.texture(brush.textureImage(),
                                  brush_.bitmap ? brush_.bitmap->dataPosition : -1) +
                " scn\n");
        return true;
    default:
        setFill("/Hatch cs " + pdfColor(brush.color()) + " /" + document_.hatch(brush.style()) +
                " scn\n");
        return true;
    }
}

bool PdfCanvas::strokeWith(const QPen& pen) {
    if (pen.style() == Qt::NoPen)
        return false;
    QByteArray state = pdfColor(pen.color()) + " RG " + n(pen.widthF()) + " w [";
    const double unit = pen.widthF() > 1 ? pen.widthF() : kThinDashUnit;
    if (pen.style() != Qt::SolidLine)
        for (qreal dash : pen.dashPattern())
            state += n(dash * unit) + ' ';
    state += "] 0 d\n";
    if (state != stroke_) {
        content_ += state;
        stroke_ = state;
    }
    return true;
}

void PdfCanvas::writePath(const QPainterPath& path) {
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            content_ += n(e.x) + ' ' + n(e.y) + " m\n";
        } else if (e.isLineTo()) {
            content_ += n(e.x) + ' ' + n(e.y) + " l\n";
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), to = path.elementAt(i + 2);
            content_ += n(e.x) + ' ' + n(e.y) + ' ' + n(c2.x) + ' ' + n(c2.y) + ' ' + n(to.x) +
                        ' ' + n(to.y) + " c\n";
            i += 2;
        }
    }
}

void PdfCanvas::paint(const QPainterPath& path, bool fill, bool stroke, bool evenOdd) {
    fill = fill && fillWith(rptQBrush(brush_, brush_.bitmap ? picture(*brush_.bitmap) : QImage()));
    stroke = stroke && strokeWith(rptQPen(pen_, transform_));
    if (!fill && !stroke)
        return;
    writePath(path);
    const char* star = evenOdd ? "*" : "";
    content_ += fill && stroke ? QByteArray("B") + star : fill ? QByteArray("f") + star : "S";
    content_ += '\n';
}

// ---------------------------------------------------------------- drawing

void PdfCanvas::fillRect(const RptRect& rect) {
    QPainterPath path;
    path.addRect(rptDeviceRect(rect, transform_));
    paint(path, true, false);
}

void PdfCanvas::rectangle(const RptRect& rect) {
    const QRect r = rptDeviceRect(rect, transform_);
    QPainterPath path;
    if (rptQPen(pen_, transform_).style() == Qt::NoPen) {
        path.addRect(r);
        paint(path, true, false);
    } else {
        path.addRect(QRectF(r.x(), r.y(), r.width() - 1, r.height() - 1));
        paint(path, true, true);
    }
}

void PdfCanvas::ellipse(const RptRect& rect) {
    QRectF r = rptDeviceRect(rect, transform_).adjusted(0, 0, -1, -1);
    const double width = rptQPen(pen_, transform_).widthF();
    if (pen_.style == kRptPenStyleInsideFrame && width > 1) {
        // The outline stays inside the rectangle.
        const int inset = int(width) / 2;
        r.adjust(inset, inset, -inset, -inset);
    }
    QPainterPath path;
    path.addEllipse(r);
    paint(path, true, true);
}

void PdfCanvas::roundRect(const RptRect& rect, float cornerWidth, float cornerHeight) {
    const QRectF r = rptDeviceRect(rect, transform_).adjusted(0, 0, -1, -1);
    const double rx = std::clamp(transform_.width(cornerWidth) / 2.0, 0.0, r.width() / 2.0);
    const double ry = std::clamp(transform_.height(cornerHeight) / 2.0, 0.0, r.height() / 2.0);
    QPainterPath path;
    path.addRoundedRect(r, std::isfinite(rx) ? rx : 0.0, std::isfinite(ry) ? ry : 0.0);
    paint(path, true, true);
}

void PdfCanvas::moveTo(RptPoint point) {
    position_ = transform_.point(point.x, point.y);
}

void PdfCanvas::lineTo(RptPoint point) {
    const QPoint to = transform_.point(point.x, point.y);
    QPainterPath path(position_);
    path.lineTo(to);
    paint(path, false, true);
    position_ = to;
}

void PdfCanvas::polygon(const std::vector<RptPoint>& points) {
    QPolygonF device;
    for (const RptPoint& p : points)
        device << transform_.point(p.x, p.y);
    QPainterPath path;
    path.addPolygon(device);
    path.closeSubpath();
    paint(path, true, true, true);
}

void PdfCanvas::polyline(const std::vector<RptPoint>& points) {
    QPolygonF device;
    for (const RptPoint& p : points)
        device << transform_.point(p.x, p.y);
    QPainterPath path;
    path.addPolygon(device);
    paint(path, false, true);
}

void PdfCanvas::arc(const RptArc& arc) {
    drawCurve(arc, 0);
}
void PdfCanvas::chord(const RptArc& chord) {
    drawCurve(chord, 1);
}
void PdfCanvas::pie(const RptArc& pie) {
    drawCurve(pie, 2);
}

void PdfCanvas::drawCurve(const RptArc& arc, int kind) {
    const std::optional<RptCurve> curve = rptCurve(arc, transform_);
    if (!curve)
        return;
    const QRectF r = curve->rect;
    const double start = curve->startAngle / 16.0, span = curve->spanAngle / 16.0;
    QPainterPath path;
    if (kind == 2) {
        path.moveTo(r.center());
        path.arcTo(r, start, span);
        path.closeSubpath();
    } else {
        path.arcMoveTo(r, start);
        path.arcTo(r, start, span);
        if (kind == 1)
            path.closeSubpath();
    }
    paint(path, kind != 0, true);
}

void PdfCanvas::drawImage(const RptGraphic& graphic, const QRectF& rect) {
    const QImage image = picture(graphic);
    if (image.isNull() || rect.isEmpty())
        return;
    const QByteArray name = document_.image(image, graphic.dataPosition);
    content_ += "q " + n(rect.width()) + " 0 0 " + n(-rect.height()) + ' ' + n(rect.x()) + ' ' +
                n(rect.bottom()) + " cm /" + name + " Do Q\n";
}

void PdfCanvas::drawPicture(const RptGraphic& picture, RptPoint at) {
    const QImage image = this->picture(picture);
    drawImage(picture, QRectF(transform_.point(at.x, at.y), image.size()));
}

void PdfCanvas::stretchPicture(const RptGraphic& picture, const RptRect& rect) {
    drawImage(picture, rptDeviceRect(rect, transform_));
}

void PdfCanvas::stretchBitmap(const RptGraphic& bitmap, const RptRect& rect) {
    stretchPicture(bitmap, rect);
}

void PdfCanvas::stretchBitmapArea(const RptGraphic& bitmap, RptPoint at, float width,
                                  float height) {
    stretchPicture(bitmap, RptRect{at.x, at.y, at.x + width, at.y + height});
}

} // namespace zamt
