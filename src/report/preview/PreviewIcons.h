#pragma once
// The pictures of the preview window's actions, drawn for 16 pixels and
// their larger sizes.
#include <QIcon>

namespace zamt {

enum class PreviewIcon {
    Open,
    SaveAs,
    Print,
    Exit,
    First,
    Previous,
    Next,
    Last,
    GoToPage,
    ZoomIn,
    ZoomOut,
    FitPageWidth,
    FitPage,
};

QIcon previewIcon(PreviewIcon icon);
// One drawing at `pixels` square (for the icon's sizes and for tests).
QImage previewIconImage(PreviewIcon icon, int pixels);

} // namespace zamt
