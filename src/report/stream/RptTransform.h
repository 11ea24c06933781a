#pragma once
// Where a position in inches lands on a device, in whole device pixels:
//   x -> [ppiX * (x - left) * zoom / 100] + offsetX
//   y -> [ppiY * (y - top) * zoom / 100] + offsetY
// with [v] rounded to the nearest integer. A preview draws the paper at a
// zoom and an offset; a printer draws at 100% and starts at its unprintable
// margins.
#include <QPoint>

namespace zamt {

struct RptTransform {
    double ppiX = 96;
    double ppiY = 96;
    double zoom = 100; // percent
    int offsetX = 0;
    int offsetY = 0;
    double left = 0; // unprintable margins, inches
    double top = 0;

    static RptTransform preview(double ppi, double zoom, int offsetX = 0, int offsetY = 0);
    static RptTransform printer(double ppiX, double ppiY, double leftMargin, double topMargin);

    int x(double inches) const;
    int y(double inches) const;
    QPoint point(double x, double y) const { return {this->x(x), this->y(y)}; }
    // A length along x or y in pixels (no offset, no margin), unrounded.
    double width(double inches) const { return ppiX * inches * zoom / 100.0; }
    double height(double inches) const { return ppiY * inches * zoom / 100.0; }
};

} // namespace zamt
