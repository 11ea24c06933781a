#pragma once
// How a page preview shows its pages: one value, held by the report
// system's preview settings and by the preview renderer, which takes it over
// whole for a report run.
#include "report/system/RptSystemTypes.h"

namespace zamt {

// Zoom factors in percent are kept between these.
inline constexpr double MinZoomFactor = 10.0;
inline constexpr double MaxZoomFactor = 200.0;

// A zoom factor held between the limits; NaN is not a factor and gives
// `current`.
double clampZoomFactor(double factor, double current);

class RptPreviewSettings {
public:
    double GridHoriz = 0.0; // inches between grid lines; 0 none
    double GridVert = 0.0;
    RptGridPen GridPen;
    TMarginMethod MarginMethod = TMarginMethod::mmFixed;
    double MarginPercent = 0.0;
    int PageInc = 1;
    TRulerType RulerType = TRulerType::rtNone;
    int ZoomInc = 10;

    double ZoomFactor() const { return zoomFactor_; }
    void setZoomFactor(double percent); // held between the limits

    // Monochrome pages and shadows exclude each other: turning one on while
    // the other is in effect shows why in a message box and keeps the old
    // value.
    bool Monochrome() const { return monochrome_; }
    void setMonochrome(bool on);
    int ShadowDepth() const { return shadowDepth_; }
    void setShadowDepth(int pixels); // a depth below 0 is 0

    bool operator==(const RptPreviewSettings&) const = default;

private:
    double zoomFactor_ = 100.0;
    bool monochrome_ = false;
    int shadowDepth_ = 0;
};

} // namespace zamt
