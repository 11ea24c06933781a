#pragma once
// The value types of the report system's settings. Element order is the
// order of the bits in the sets.
#include "report/system/RptSet.h"

#include <cstdint>

namespace zamt {

// What the set-up window offers.
enum class TSystemSetup : uint8_t {
    ssAllowSetup,
    ssAllowCopies,
    ssAllowCollate,
    ssAllowDuplex,
    ssAllowDestPreview,
    ssAllowDestPrinter,
    ssAllowDestFile,
    ssAllowPrinterSetup,
    ssAllowPreviewSetup,
};
using TSystemSetups = RptSet<TSystemSetup, uint16_t, 9>;

enum class TSystemOption : uint8_t {
    soUseFiler,
    soWaitForOK,
    soShowStatus,
    soAllowPrintFromPreview,
    soPreviewModal,
    soNoGenerate,
};
using TSystemOptions = RptSet<TSystemOption, uint8_t, 6>;

enum class TReportDest : uint8_t { rdPreview, rdPrinter, rdFile };

// Where the writer puts the page stream: a memory stream of the filer's, the
// file named by the filer, a stream the caller gives, or a temporary file.
enum class TStreamMode : uint8_t { smMemory, smFile, smUser, smTempFile };

// The steps of a window hook.
enum class TOverrideMode : uint8_t { omCreate, omShow, omWait, omFree };

enum class TLineHeightMethod : uint8_t { lhmFont, lhmLinesPerInch, lhmUser };
enum class TPrintUnits : uint8_t { unInch, unMM, unCM, unPoint, unUser };
enum class TOrientation : uint8_t { poPortrait, poLandscape };
enum class TBKMode : uint8_t { bkTransparent, bkOpaque };
enum class TAccuracyMethod : uint8_t { amPositioning, amAppearance };
enum class TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum class TMarginMethod : uint8_t { mmScaled, mmFixed };
enum class TRulerType : uint8_t {
    rtNone,
    rtHorizCm,
    rtVertCm,
    rtBothCm,
    rtHorizIn,
    rtVertIn,
    rtBothIn,
};

enum class TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

struct RptGridPen {
    int32_t color = 0; // 0x00BBGGRR
    TPenStyle style = TPenStyle::psSolid;
    bool operator==(const RptGridPen&) const = default;
};

// Duplex modes of the printer's settings: 0 one-sided, any other value a
// two-sided mode (1 along the long edge, 2 along the short edge).
namespace RptDuplex {
constexpr int None = 0;
constexpr int LongEdge = 1;
constexpr int ShortEdge = 2;
} // namespace RptDuplex

} // namespace zamt
