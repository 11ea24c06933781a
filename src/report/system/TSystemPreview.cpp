#include "report/system/TSystemPreview.h"

#include "platform/MessageBoxes.h"
#include "report/common/RptTranslate.h"

#include <cmath>

namespace zamt {

void TSystemPreview::setZoomFactor(double percent) {
    if (std::isnan(percent) || percent < 10)
        zoomFactor_ = 10.0;
    else if (percent > 200)
        zoomFactor_ = 200.0;
    else
        zoomFactor_ = percent;
}

void TSystemPreview::setMonochrome(bool on) {
    if (on && shadowDepth_ > 0) {
        showMessage(
            rptTranslate(QStringLiteral("Monochrome not allowed while shadows are in effect.")) +
            QLatin1Char('\n') + rptTranslate(QStringLiteral("Change ShadowDepth to 0 first")));
        return;
    }
    monochrome_ = on;
}

void TSystemPreview::setShadowDepth(int pixels) {
    if (pixels > 0 && monochrome_) {
        showMessage(
            rptTranslate(QStringLiteral("Shadows not allowed while monochrome in effect.")) +
            QLatin1Char('\n') + rptTranslate(QStringLiteral("Change Monochrome to false first")));
        return;
    }
    shadowDepth_ = pixels;
}

} // namespace zamt
