#include "report/system/RptPreviewSettings.h"

#include "platform/MessageBoxes.h"
#include "report/common/RptTranslate.h"

#include <algorithm>
#include <cmath>

namespace zamt {

double clampZoomFactor(double factor, double current) {
    if (std::isnan(factor))
        return current;
    return std::clamp(factor, MinZoomFactor, MaxZoomFactor);
}

void RptPreviewSettings::setZoomFactor(double percent) {
    zoomFactor_ = clampZoomFactor(percent, zoomFactor_);
}

void RptPreviewSettings::setMonochrome(bool on) {
    if (on && shadowDepth_ > 0) {
        showMessage(
            rptTranslate(QStringLiteral("Monochrome not allowed while shadows are in effect.")) +
            QLatin1Char('\n') + rptTranslate(QStringLiteral("Change ShadowDepth to 0 first")));
        return;
    }
    monochrome_ = on;
}

void RptPreviewSettings::setShadowDepth(int pixels) {
    if (pixels > 0 && monochrome_) {
        showMessage(
            rptTranslate(QStringLiteral("Shadows not allowed while monochrome in effect.")) +
            QLatin1Char('\n') + rptTranslate(QStringLiteral("Change Monochrome to false first")));
        return;
    }
    shadowDepth_ = std::max(pixels, 0);
}

} // namespace zamt
