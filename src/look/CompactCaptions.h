#pragma once
// Check boxes and radio buttons with their caption as close to the mark as
// on Windows (3 pixels), for layouts drawn with no more room than that.
class QWidget;

namespace zamt {

void useCompactCaptionSpacing(QWidget* button);

} // namespace zamt
