#include "report/preview/RptPreviewSettings.h"

#include "report/preview/TRptRenderPreview.h"
#include "report/system/TSystemPreview.h"

namespace zamt {

void applyPreviewSettings(TRptRenderPreview& renderer, const TSystemPreview& settings) {
    renderer.setGridHoriz(settings.GridHoriz);
    renderer.setGridVert(settings.GridVert);
    renderer.setGridPen(settings.GridPen);
    renderer.setMarginMethod(settings.MarginMethod);
    renderer.setMarginPercent(settings.MarginPercent);
    renderer.setShadowDepth(settings.ShadowDepth());
    renderer.setMonochrome(settings.Monochrome());
    renderer.setPageInc(settings.PageInc);
    renderer.setRulerType(settings.RulerType);
    renderer.setZoomFactor(settings.ZoomFactor());
    renderer.setZoomInc(settings.ZoomInc);
}

} // namespace zamt
