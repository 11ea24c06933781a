// The rows --print makes of a text: a line per row, only a line wider than
// the report's row broken, at blanks, in the report's own font.
#include "app/ReportRows.h"

#include "platform/CodePage.h"
#include "support/GuiApplication.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

TEST(ReportRows, EachLineIsARowAndOnlyAWiderLineBreaksAtBlanks) {
    test::ensureGuiApplication();
    // The default project's row: 7 inches of DejaVu Sans Mono 9 pt, whose
    // characters are 0.6 of the size wide: 93 of them fit, 94 do not.
    RptColumnSpace mono;
    mono.font.name = "DejaVu Sans Mono";
    mono.font.size = 9;
    mono.width = 7;
    const QString word = QStringLiteral("word ");
    const struct {
        const char* name;
        QString text;
        std::optional<RptColumnSpace> space;
        QStringList rows;
    } cases[] = {
        {"empty", "", mono, {}},
        {"one empty line", "\n", mono, {""}},
        {"no empty last row", "a\nb\n", mono, {"a", "b"}},
        {"empty lines inside", "a\n\n\nb", mono, {"a", "", "", "b"}},
        {"a full row", QString("x").repeated(93), mono, {QString("x").repeated(93)}},
        {"one more: a word breaks anywhere", QString("x").repeated(94), mono, {QString("x").repeated(93), "x"}},
        {"Cyrillic", QStringLiteral("ж").repeated(100), mono,
         {QStringLiteral("ж").repeated(93), QStringLiteral("ж").repeated(7)}},
        // 18 words end at 89 characters, the 19th would end at 94.
        {"at blanks", word.repeated(30), mono, {word.repeated(18), word.repeated(12)}},
        {"no room known: a line a row, cut at 4096", QString("y").repeated(5000), std::nullopt,
         {QString("y").repeated(4096)}},
        {"no room known: no break", word.repeated(30), std::nullopt, {word.repeated(30)}},
    };
    for (const auto& c : cases) {
        QStringList rows;
        for (const std::string& row : reportRows(c.text, c.space))
            rows << fromCp1251(row);
        EXPECT_EQ(rows, c.rows) << c.name;
    }
    // Lines longer than a text layout is given at once break as a whole:
    // 128 rows of 93 characters or of 18 words, then the rest.
    for (const QString& piece : {QString("x").repeated(93), word.repeated(18)}) {
        QStringList expected(128, piece);
        expected << piece.left(piece.startsWith('x') ? 5 : 60);
        QStringList rows;
        for (const std::string& row : reportRows(expected.join(""), mono))
            rows << fromCp1251(row);
        EXPECT_EQ(rows, expected) << piece.left(5).toStdString();
    }
}

} // namespace
} // namespace zamt
