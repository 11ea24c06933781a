// The PDF writer's parts that need no document: strings and numbers as PDF
// writes them, and font subsets checked against the font they come from.
#include "report/pdf/PdfFontSubset.h"
#include "report/pdf/PdfOutput.h"
#include "support/GuiApplication.h"

#include <QFont>
#include <QRawFont>
#include <cmath>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

TEST(PdfText, StringsAndNumbersAreWrittenAsReadersReadThem) {
    const struct {
        QByteArray bytes;
        QByteArray written;
    } strings[] = {
        {"plain", "(plain)"},
        {"(a) \\ b", "(\\(a\\) \\\\ b)"},
        // A bare carriage return would be read back as a line feed.
        {QByteArray("\x00\r\x00\n", 4), QByteArray("(\x00\\r\x00\n)", 7)},
    };
    for (const auto& s : strings)
        EXPECT_EQ(pdfString(s.bytes), s.written);
    const struct {
        double value;
        const char* written;
    } numbers[] = {{2, "2"},           {-0.0, "0"},    {0.5, "0.5"},
                   {1.23456, "1.235"}, {-0.0004, "0"}, {1e20, "100000000000000000000"},
                   {NAN, "0"},         {INFINITY, "0"}};
    for (const auto& n : numbers)
        EXPECT_EQ(pdfNumber(n.value), n.written) << n.value;
}

quint32 read32(const QByteArray& data, qsizetype at) {
    return quint32(uchar(data[at])) << 24 | quint32(uchar(data[at + 1])) << 16 |
           quint32(uchar(data[at + 2])) << 8 | uchar(data[at + 3]);
}

// A table of a font file; empty when it has none.
QByteArray tableOf(const QByteArray& font, const char* tag) {
    const int count = uchar(font[4]) << 8 | uchar(font[5]);
    for (int i = 0; i < count; ++i)
        if (font.mid(12 + 16 * i, 4) == tag)
            return font.mid(read32(font, 12 + 16 * i + 8), read32(font, 12 + 16 * i + 12));
    return {};
}

// The length of each glyph's outline, from a font's (long) loca table.
std::vector<quint32> glyphLengths(const QByteArray& loca) {
    std::vector<quint32> lengths;
    for (qsizetype at = 0; at + 8 <= loca.size(); at += 4)
        lengths.push_back(read32(loca, at + 4) - read32(loca, at));
    return lengths;
}

// The first glyph a composite glyph is drawn from; 0 for a simple one.
quint32 firstPart(const QRawFont& raw, quint32 glyph) {
    const QByteArray head = raw.fontTable("head"), loca = raw.fontTable("loca");
    const bool longOffsets = head[51] != 0;
    const auto offset = [&](quint32 g) {
        return longOffsets ? read32(loca, g * 4)
                           : (quint32(uchar(loca[g * 2])) << 8 | uchar(loca[g * 2 + 1])) * 2;
    };
    const QByteArray outline =
        raw.fontTable("glyf").mid(offset(glyph), offset(glyph + 1) - offset(glyph));
    if (outline.size() < 14 || qint16(uchar(outline[0]) << 8 | uchar(outline[1])) >= 0)
        return 0;
    return quint32(uchar(outline[12])) << 8 | uchar(outline[13]);
}

TEST(PdfFontSubset, KeepsTheGlyphsUsedAndTheirPartsAndEmptiesTheRest) {
    ensureGuiApplication();
    const QRawFont raw = QRawFont::fromFont(QFont(QStringLiteral("DejaVu Sans Mono"), 12));
    ASSERT_TRUE(raw.isValid());
    const auto glyph = [&](QChar c) { return raw.glyphIndexesForString(QString(c))[0]; };
    // A letter drawn from the glyphs of others.
    quint32 composite = 0, part = 0;
    for (QChar c : QStringLiteral("ÅÄÖЁЙйёÉéü"))
        if ((part = firstPart(raw, glyph(c))) != 0) {
            composite = glyph(c);
            break;
        }
    ASSERT_NE(composite, 0u) << "the face has no composite letter to try";
    const quint32 zhe = glyph(u'Ж'), b = glyph(u'B');
    ASSERT_NE(part, b);
    std::vector<bool> used(raw.fontTable("hmtx").size());
    used[composite] = used[zhe] = true;
    const QByteArray subset =
        pdfTrueTypeSubset([&](const char* tag) { return raw.fontTable(tag); }, used);
    ASSERT_FALSE(subset.isEmpty());

    const std::vector<quint32> lengths = glyphLengths(tableOf(subset, "loca"));
    const QByteArray maxp = raw.fontTable("maxp");
    ASSERT_EQ(lengths.size(), size_t(uchar(maxp[4]) << 8 | uchar(maxp[5])))
        << "every glyph keeps its number";
    EXPECT_GT(lengths[0], 0u) << "the missing glyph";
    EXPECT_GT(lengths[composite], 0u);
    EXPECT_GT(lengths[zhe], 0u);
    EXPECT_GT(lengths[part], 0u) << "the glyph a kept one is drawn from is kept";
    EXPECT_EQ(lengths[b], 0u);
    EXPECT_LT(subset.size(), raw.fontTable("glyf").size() / 4);
    EXPECT_EQ(tableOf(subset, "cmap"), QByteArray()) << "text names glyphs by number";

    // Outlines that run past their table are no font to cut down.
    QByteArray loca = raw.fontTable("loca");
    loca.fill('\xff', 8);
    const auto damaged = [&](const char* tag) {
        return QByteArrayView(tag) == "loca" ? loca : raw.fontTable(tag);
    };
    EXPECT_TRUE(pdfTrueTypeSubset(damaged, used).isEmpty());
}

} // namespace
} // namespace zamt::test
