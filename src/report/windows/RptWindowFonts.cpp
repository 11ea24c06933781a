#include "report/windows/RptWindowFonts.h"

namespace zamt {

QFont rptSystemFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

QFont rptArialFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

} // namespace zamt
