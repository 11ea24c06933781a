#include "report/preview/PreviewFrame.h"

#include "report/preview/PreviewGeometry.h"
#include "report/stream/RptColor.h"

#include <QPainter>
#include <cmath>

namespace zamt {
namespace {

// Fewer pixels than this between grid lines or ruler ticks would only grey
// the paper.
constexpr double MinLineSpacing = 3;

Qt::PenStyle gridPenStyle(TPenStyle style) {
    switch (style) {
    case TPenStyle::psDash:
        return Qt::DashLine;
    case TPenStyle::psDot:
        return Qt::DotLine;
    case TPenStyle::psDashDot:
        return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::psClear:
        return Qt::NoPen;
    case TPenStyle::psSolid:
        break;
    }
    return Qt::SolidLine;
}

void paintGrid(QPainter& painter, const RptPreviewFrame& f, const QRect& paper) {
    QPen pen(rptColor(f.gridPen.color), 0, gridPenStyle(f.gridPen.style));
    painter.setPen(pen);
    // Inside the paper: between its border lines.
    const int left = paper.left() + 1, right = paper.right() - 1;
    const int top = paper.top() + 1, bottom = paper.bottom() - 1;
    const double down = f.gridHoriz * f.pixelsPerInch;
    if (f.gridHoriz > 0 && std::isfinite(down) && down >= MinLineSpacing) {
        for (int k = 1;; ++k) {
            const int y = paper.top() + rptRound(k * down);
            if (y > bottom)
                break;
            painter.drawLine(left, y, right, y);
        }
    }
    const double across = f.gridVert * f.pixelsPerInch;
    if (f.gridVert > 0 && std::isfinite(across) && across >= MinLineSpacing) {
        for (int k = 1;; ++k) {
            const int x = paper.left() + rptRound(k * across);
            if (x > right)
                break;
            painter.drawLine(x, top, x, bottom);
        }
    }
}

bool inCentimetres(TRulerType type) {
    return type == TRulerType::rtHorizCm || type == TRulerType::rtVertCm ||
           type == TRulerType::rtBothCm;
}

// Ticks every unit (centimetre or inch) from the paper's edge, with the
// unit's number; half-unit ticks between them.
void paintRuler(QPainter& painter, const RptPreviewFrame& f, const QRect& paper, bool across) {
    const QRect band = across ? QRect(0, 0, f.size.width(), f.ruler.height())
                              : QRect(0, 0, f.ruler.width(), f.size.height());
    painter.fillRect(band, QColor(240, 240, 240));
    painter.setPen(Qt::black);
    const double unit = f.pixelsPerInch / (inCentimetres(f.rulerType) ? 2.54 : 1.0);
    if (!std::isfinite(unit) || unit / 2 < MinLineSpacing)
        return;
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    const int start = across ? paper.left() : paper.top();
    const int end = across ? paper.right() : paper.bottom();
    const int thickness = across ? f.ruler.height() : f.ruler.width();
    for (int half = 1;; ++half) {
        const int at = start + rptRound(half * unit / 2);
        if (at > end)
            break;
        const bool whole = half % 2 == 0;
        const int length = whole ? thickness / 2 : thickness / 4;
        if (across)
            painter.drawLine(at, thickness - length, at, thickness - 1);
        else
            painter.drawLine(thickness - length, at, thickness - 1, at);
        if (whole) {
            const QString number = QString::number(half / 2);
            if (across)
                painter.drawText(QRect(at - 15, 0, 30, thickness / 2), Qt::AlignCenter, number);
            else
                painter.drawText(QRect(0, at - 6, thickness / 2 + 2, 12), Qt::AlignCenter, number);
        }
    }
}

} // namespace

QRect previewPaperRect(const RptPreviewFrame& f) {
    return QRect(QPoint(f.ruler.width(), f.ruler.height()),
                 QPoint(f.size.width() - f.shadowDepth - 1, f.size.height() - f.shadowDepth - 1));
}

void paintPreviewFrame(QPainter& painter, const RptPreviewFrame& f) {
    const int w = f.size.width(), h = f.size.height(), sd = f.shadowDepth;
    const int rw = f.ruler.width(), rh = f.ruler.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, w, h), f.background);
    if (sd > 0) {
        // The page seems to lie above the box: its shadow falls to the
        // right and below, offset by its depth, so the bottom-left and
        // top-right corners keep the box's colour.
        painter.fillRect(QRect(w - sd, sd + rh, sd, h - sd - rh), Qt::black);
        painter.fillRect(QRect(sd + rw, h - sd, w - sd - rw, sd), Qt::black);
    }
    const QRect paper = previewPaperRect(f);
    if (paper.isValid()) {
        painter.fillRect(paper, Qt::black);
        painter.fillRect(paper.adjusted(1, 1, -1, -1), Qt::white);
        paintGrid(painter, f, paper);
    }
    if (rh > 0)
        paintRuler(painter, f, paper, true);
    if (rw > 0)
        paintRuler(painter, f, paper, false);
    painter.restore();
}

} // namespace zamt
