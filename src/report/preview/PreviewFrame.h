#pragma once
// The page picture's frame: the shadow, the white paper with its black
// border, grid lines and rulers, painted before the page's records.
#include "report/system/RptSystemTypes.h"

#include <QColor>
#include <QRect>
#include <QSize>

class QPainter;

namespace zamt {

struct RptPreviewFrame {
    QSize size; // of the whole bitmap, in screen pixels
    int shadowDepth = 0;
    QSize ruler;               // width of the vertical ruler, height of the horizontal one
    QColor background;         // the scroll box's colour
    double pixelsPerInch = 96; // at the zoom: screen ppi × zoom / 100
    double gridHoriz = 0;      // inches between grid lines, 0 for none
    double gridVert = 0;
    RptGridPen gridPen;
    TRulerType rulerType = TRulerType::rtNone;
};

// The paper's rectangle inside the bitmap: from the ruler sizes to the
// shadow, its black border included.
QRect previewPaperRect(const RptPreviewFrame& frame);

// Paints in screen pixels; the painter may scale them to the device.
void paintPreviewFrame(QPainter& painter, const RptPreviewFrame& frame);

} // namespace zamt
