#include "report/preview/PreviewGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zamt {

int rptRound(double value) {
    if (std::isnan(value))
        return 0;
    // The default rounding mode takes a half to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(rounded);
}

QSize rulerSizes(TRulerType type) {
    constexpr int Ruler = 20;
    switch (type) {
    case TRulerType::rtHorizCm:
    case TRulerType::rtHorizIn:
        return {0, Ruler};
    case TRulerType::rtVertCm:
    case TRulerType::rtVertIn:
        return {Ruler, 0};
    case TRulerType::rtBothCm:
    case TRulerType::rtBothIn:
        return {Ruler, Ruler};
    case TRulerType::rtNone:
        break;
    }
    return {0, 0};
}

int previewMargin(const RptPreviewLayout& l, double zoom) {
    double margin = l.ppi * l.paperWidth * l.marginPercent / 100.0;
    if (l.marginMethod == TMarginMethod::mmScaled)
        margin = margin * zoom / 100.0;
    return rptRound(margin);
}

QSize previewBitmapSize(const RptPreviewLayout& l, double zoom) {
    // Sides far beyond any picture are held where the sums cannot overflow.
    constexpr long long Limit = 1 << 24;
    auto side = [&](double paper, int ruler) {
        const long long pixels = rptRound(l.ppi * paper * zoom / 100.0);
        return int(std::clamp<long long>(pixels + l.shadowDepth + ruler, 0, Limit));
    };
    return {side(l.paperWidth, l.rulerWidth), side(l.paperHeight, l.rulerHeight)};
}

double fitPageZoom(const RptPreviewLayout& l, const RptScrollBoxMetrics& box) {
    // The 4 pixels keep the picture clear of the box's edges.
    const double w = box.width - l.shadowDepth - l.rulerWidth - 4;
    const double h = box.height - l.shadowDepth - l.rulerHeight - 4;
    const double pageWidth = l.ppi * l.paperWidth;
    const double pageHeight = l.ppi * l.paperHeight;
    if (l.marginMethod == TMarginMethod::mmFixed) {
        const int m = previewMargin(l, 100);
        return 100.0 * std::min((w - 2 * m) / pageWidth, (h - 2 * m) / pageHeight);
    }
    const double share = l.marginPercent / 50.0;
    return 100.0 * std::min(w / (pageWidth * (1 + share)), h / (pageHeight + pageWidth * share));
}

double fitPageWidthZoom(const RptPreviewLayout& l, const RptScrollBoxMetrics& box) {
    const double w = box.width - l.shadowDepth - l.rulerWidth;
    const double d = box.outerMinusClientX;
    const double room = box.height - l.shadowDepth - l.rulerHeight - box.outerMinusClientY;
    const double pageWidth = l.ppi * l.paperWidth;
    const double pageHeight = l.ppi * l.paperHeight;
    const double bar = box.vertScrollBarWidth;
    if (l.marginMethod == TMarginMethod::mmFixed) {
        const int m = previewMargin(l, 100);
        double f = (w - (d + 2 * m)) / pageWidth;
        if (room < f * pageHeight + 2 * m)
            f = (w - (d + 2 * m + bar)) / pageWidth;
        return 100.0 * f;
    }
    const double divisor = pageWidth * (1 + l.marginPercent / 50.0);
    double f = (w - d) / divisor;
    const int m = rptRound(pageWidth * l.marginPercent / 100.0 * f);
    if (room < f * pageHeight + 2 * m)
        f = (w - (d + bar)) / divisor;
    return 100.0 * f;
}

} // namespace zamt
