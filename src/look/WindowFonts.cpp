#include "look/WindowFonts.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace zamt {
namespace {

struct StandIns {
    QString face;
    QStringList faces; // the first one installed is taken
    bool bold;
};

const std::array<StandIns, 3>& standInTable() {
    static const std::array<StandIns, 3> table = {{
        // MS Sans Serif is narrower than the common sans serif faces, above
        // all in Cyrillic; only a narrow face keeps the captions inside
        // their boxes.
        {QStringLiteral("MS Sans Serif"),
         {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
          QStringLiteral("Arial Narrow"), QStringLiteral("DejaVu Sans Condensed")},
         false},
        // The Windows system font is a heavy sans serif.
        {QStringLiteral("System"), {QStringLiteral("Liberation Sans")}, true},
        // Liberation Sans has Arial's widths.
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")}, false},
    }};
    return table;
}

} // namespace

void installWindowFonts() {
    static const bool installed = [] {
        for (const StandIns& entry : standInTable())
            QFont::insertSubstitutions(entry.face, entry.faces);
        return true;
    }();
    (void)installed;
}

QFont windowFont(const QString& face, int pixels) {
    installWindowFonts();
    QFont font(face);
    font.setPixelSize(pixels);
    const auto& table = standInTable();
    const auto entry =
        std::find_if(table.begin(), table.end(), [&](const StandIns& e) { return e.face == face; });
    font.setBold(entry != table.end() && entry->bold);
    return font;
}

} // namespace zamt
