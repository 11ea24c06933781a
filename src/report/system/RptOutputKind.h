#pragma once
// What a report run does with its pages, decided once from the run state the
// set-up window stores: the destination, the native output flag and the
// chosen file renderer. A renderer wins over native output, which wins over
// the snapshot.
#include "report/system/RptSystemTypes.h"

namespace zamt {

class TRptRenderFile;

enum class RptOutputKind : uint8_t {
    Preview,           // shown in the preview window
    Printer,           // printed on the selected printer
    SnapshotFile,      // the page stream itself, written as the named file
    NativePrinterFile, // the printer's own output, directed into the named file
    RenderedFile,      // the page stream converted by a file renderer
};

RptOutputKind rptOutputKind(TReportDest dest, bool nativeOutput, const TRptRenderFile* renderer);

} // namespace zamt
