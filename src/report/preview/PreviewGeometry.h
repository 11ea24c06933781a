#pragma once
// The sizes of the page picture and the zoom factors that fit a page into
// the scroll box, in screen pixels. [x] below is x rounded to the nearest
// integer, a half to the even neighbour.
#include "report/system/RptSystemTypes.h"

#include <QSize>

namespace zamt {

// The scroll box as measured when a page is drawn.
struct RptScrollBoxMetrics {
    int width = 0; // outer size
    int height = 0;
    int vertScrollBarWidth = 0;  // the width a vertical scroll bar takes
    int horzScrollBarHeight = 0; // the height a horizontal one takes
    int outerMinusClientX = 0;   // frame, and a scroll bar while one is shown
    int outerMinusClientY = 0;
    bool operator==(const RptScrollBoxMetrics&) const = default;
};

// What the picture of a page is made of.
struct RptPreviewLayout {
    double ppi = 96;         // screen pixels per inch
    double paperWidth = 8.5; // inches
    double paperHeight = 11;
    int shadowDepth = 0;
    int rulerWidth = 0;  // of a vertical ruler along the left edge
    int rulerHeight = 0; // of a horizontal ruler along the top
    TMarginMethod marginMethod = TMarginMethod::mmFixed;
    double marginPercent = 0;
};

// [x]; values beyond the int range are held at its ends, NaN gives 0.
int rptRound(double value);

// Ruler sizes: {vertical ruler width, horizontal ruler height}, 20 pixels
// each ruler the type asks for.
QSize rulerSizes(TRulerType type);

// The margin around the picture: [ppi × paper width × percent / 100], with
// mmScaled × zoom / 100 inside the brackets.
int previewMargin(const RptPreviewLayout& layout, double zoom);
// [ppi × paper × zoom / 100] + shadow depth + ruler size, in each direction.
QSize previewBitmapSize(const RptPreviewLayout& layout, double zoom);

// The factor at which the whole page fits the scroll box, and the one at
// which the page width does (with room for a vertical scroll bar when the
// page is then taller than the box). Unlimited; the zoom setter limits them
// (RptPreviewSettings).
double fitPageZoom(const RptPreviewLayout& layout, const RptScrollBoxMetrics& box);
double fitPageWidthZoom(const RptPreviewLayout& layout, const RptScrollBoxMetrics& box);

} // namespace zamt
