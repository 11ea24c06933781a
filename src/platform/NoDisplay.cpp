#include "platform/NoDisplay.h"

#include <QByteArray>
#include <QString>

namespace zamt {

void useNoDisplay() {
    // Qt's offscreen platform needs no display and has a fixed resolution.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // On Windows the offscreen platform reads font files of a folder it is
    // given, not the system's font list.
    if (const QString fonts = systemFontFolder(); !fonts.isEmpty())
        qputenv("QT_QPA_FONTDIR", fonts.toUtf8());
    for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                                "QT_USE_PHYSICAL_DPI", "QT_ENABLE_HIGHDPI_SCALING",
                                "QT_SCALE_FACTOR_ROUNDING_POLICY"})
        qunsetenv(scaling);
}

} // namespace zamt
