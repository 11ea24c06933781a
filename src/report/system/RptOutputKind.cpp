#include "report/system/RptOutputKind.h"

namespace zamt {

RptOutputKind rptOutputKind(TReportDest dest, bool nativeOutput, const TRptRenderFile* renderer) {
    switch (dest) {
    case TReportDest::rdPreview:
        return RptOutputKind::Preview;
    case TReportDest::rdPrinter:
        return RptOutputKind::Printer;
    case TReportDest::rdFile:
        break;
    }
    if (renderer)
        return RptOutputKind::RenderedFile;
    return nativeOutput ? RptOutputKind::NativePrinterFile : RptOutputKind::SnapshotFile;
}

} // namespace zamt
