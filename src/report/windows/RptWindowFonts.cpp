#include "report/windows/RptWindowFonts.h"

namespace zamt {

QFont rptSystemFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

QFont rptArialFont(int pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace zamt
