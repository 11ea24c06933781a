#pragma once
// The preview settings of a report system, handed to the preview window:
// the renderer's settings and the window's size and state.
#include "report/system/RptPreviewSettings.h"
#include "report/system/RptSystemTypes.h"

namespace zamt {

class TSystemPreview : public RptPreviewSettings {
public:
    int FormWidth = 615;
    int FormHeight = 450;
    TWindowState FormState = TWindowState::wsNormal;
    int PagesWide = 1;
    int PagesHigh = 1;
};

} // namespace zamt
