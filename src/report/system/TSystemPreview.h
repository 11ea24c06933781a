#pragma once
// The preview settings of a report system, handed to the preview window.
#include "report/system/RptSystemTypes.h"

namespace zamt {

class TSystemPreview {
public:
    int FormWidth = 615;
    int FormHeight = 450;
    TWindowState FormState = TWindowState::wsNormal;
    double GridHoriz = 0.0; // inches between grid lines; 0 none
    double GridVert = 0.0;
    RptGridPen GridPen;
    TMarginMethod MarginMethod = TMarginMethod::mmFixed;
    double MarginPercent = 0.0;
    int PagesWide = 1;
    int PagesHigh = 1;
    int PageInc = 1;
    TRulerType RulerType = TRulerType::rtNone;
    int ZoomInc = 10;

    double ZoomFactor() const { return zoomFactor_; }
    // Below 10 becomes 10.0, above 200 becomes 200.0.
    void setZoomFactor(double percent);

    // Monochrome pages and shadows exclude each other: turning one on while
    // the other is in effect shows why in a message box and keeps the old
    // value.
    bool Monochrome() const { return monochrome_; }
    void setMonochrome(bool on);
    int ShadowDepth() const { return shadowDepth_; }
    void setShadowDepth(int pixels);

private:
    double zoomFactor_ = 100.0;
    bool monochrome_ = false;
    int shadowDepth_ = 0;
};

} // namespace zamt
