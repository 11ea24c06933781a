#include "report/stream/RptTransform.h"

#include <cmath>

namespace zamt {
namespace {

// Positions from a file can be anything; keep them where int arithmetic and
// the painter stay sane.
int devicePixel(double value) {
    constexpr double Limit = 1.0e8;
    if (!std::isfinite(value))
        return 0;
    if (value > Limit)
        return int(Limit);
    if (value < -Limit)
        return int(-Limit);
    return int(std::lround(value));
}

} // namespace

RptTransform RptTransform::preview(double ppi, double zoom, int offsetX, int offsetY) {
    RptTransform t;
    t.ppiX = ppi;
    t.ppiY = ppi;
    t.zoom = zoom;
    t.offsetX = offsetX;
    t.offsetY = offsetY;
    return t;
}

RptTransform RptTransform::printer(double ppiX, double ppiY, double leftMargin, double topMargin) {
    RptTransform t;
    t.ppiX = ppiX;
    t.ppiY = ppiY;
    t.left = leftMargin;
    t.top = topMargin;
    return t;
}

int RptTransform::x(double inches) const {
    return devicePixel(ppiX * (inches - left) * zoom / 100.0) + offsetX;
}

int RptTransform::y(double inches) const {
    return devicePixel(ppiY * (inches - top) * zoom / 100.0) + offsetY;
}

} // namespace zamt
