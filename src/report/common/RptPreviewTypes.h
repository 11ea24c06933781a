#pragma once
// Settings shared by the report system's preview settings and the preview
// renderer.
namespace zamt {

// How the margin around the page picture is measured: a share of the paper
// width at 100 % (mmFixed), or that share at the current zoom (mmScaled).
enum class TMarginMethod { mmFixed, mmScaled };

// Rulers along the page picture, in centimetres or inches.
enum class TRulerType { rtNone, rtHorizCm, rtVertCm, rtBothCm, rtHorizIn, rtVertIn, rtBothIn };

} // namespace zamt
