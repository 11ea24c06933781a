#include "report/stream/RptPaintPage.h"

#include "report/stream/TRptRenderCanvas.h"
#include "report/stream/TRptStreamReader.h"

namespace zamt {

void rptPaintPage(TRptStreamReader& reader, int index, TRptRenderCanvas& canvas,
                  const RptPageStart& start) {
    // The hook belongs to this page only.
    struct Hook {
        TRptRenderCanvas& canvas;
        ~Hook() { canvas.start_ = nullptr; }
    } hook{canvas};
    canvas.start_ = &start;
    reader.replayPage(index, canvas);
}

} // namespace zamt
