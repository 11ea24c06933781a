#include "platform/NoDisplay.h"

#include <QByteArray>

namespace zamt {

void useNoDisplay() {
    // Qt's offscreen platform needs no display and has a fixed resolution
    // (Windows: see noDisplayPlatform).
    qputenv("QT_QPA_PLATFORM", noDisplayPlatform());
    for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                                "QT_USE_PHYSICAL_DPI", "QT_ENABLE_HIGHDPI_SCALING",
                                "QT_SCALE_FACTOR_ROUNDING_POLICY"})
        qunsetenv(scaling);
}

} // namespace zamt
