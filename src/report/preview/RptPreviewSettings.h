#pragma once
// A report system's preview settings handed to the preview renderer.
namespace zamt {

class TRptRenderPreview;
class TSystemPreview;

// Grid spacing, grid pen, margin method and percent, shadow depth,
// monochrome, page step, ruler type, zoom factor and zoom step, in this
// order (the zoom factor through the renderer's setter).
void applyPreviewSettings(TRptRenderPreview& renderer, const TSystemPreview& settings);

} // namespace zamt
