#include "report/pdf/PdfFont.h"

#include "report/pdf/PdfFontSubset.h"
#include "report/pdf/PdfOutput.h"

#include <cmath>

namespace zamt {
namespace {

QByteArray hex16(uint32_t value) {
    return QByteArray::number(value, 16).rightJustified(4, '0').toUpper();
}

// The font's name as readers show it, without blanks: "DejaVuSansMono".
QByteArray postScriptName(const QRawFont& raw) {
    QString name = raw.familyName();
    if (const QString style = raw.styleName();
        !style.isEmpty() && style != "Regular" && style != "Book")
        name += '-' + style;
    QByteArray ascii;
    for (QChar c : name)
        if (c.unicode() > 32 && c.unicode() < 127 &&
            !QByteArrayView("()<>[]{}/%#").contains(char(c.unicode())))
            ascii += char(c.unicode());
    return ascii.isEmpty() ? "Font" : ascii;
}

// Six capitals that tell the document's subsets apart, as the format asks.
QByteArray subsetTag(int index) {
    QByteArray tag = "ZAAAAA";
    for (int i = 5; i > 0 && index > 0; --i, index /= 26)
        tag[i] = char('A' + index % 26);
    return tag;
}

QByteArray toUnicode(const std::map<quint32, QString>& used) {
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::pair<quint32, QString>> entries;
    for (const auto& [glyph, text] : used)
        if (!text.isEmpty() && glyph <= 0xFFFF)
            entries.emplace_back(glyph, text);
    // The format allows at most 100 entries a block.
    for (size_t first = 0; first < entries.size(); first += 100) {
        const size_t last = std::min(entries.size(), first + 100);
        map += QByteArray::number(qsizetype(last - first)) + " beginbfchar\n";
        for (size_t i = first; i < last; ++i) {
            map += '<' + hex16(entries[i].first) + "> <";
            for (QChar c : entries[i].second)
                map += hex16(c.unicode());
            map += ">\n";
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

} // namespace

PdfFont::PdfFont(const QRawFont& raw, QByteArray name, int object)
    : raw_(raw), name_(std::move(name)), object_(object), glyphs_(0x10000), looked_(0x10000) {}

const PdfFont::Glyph& PdfFont::glyph(char16_t c) {
    Glyph& known = glyphs_[c];
    if (!looked_[c]) {
        looked_[c] = true;
        const QChar ch(c);
        quint32 index = 0;
        int count = 1;
        if (raw_.glyphIndexesForChars(&ch, 1, &index, &count) && count == 1 && index != 0) {
            known = {index, width(index)};
            use(index, QStringView(&ch, 1));
        }
    }
    return known;
}

double PdfFont::width(quint32 glyph) {
    const auto it = widths_.find(glyph);
    if (it != widths_.end())
        return it->second;
    const QList<QPointF> advances =
        raw_.advancesForGlyphIndexes(QList<quint32>{glyph}, QRawFont::UseDesignMetrics);
    const double size = raw_.pixelSize();
    const double width = advances.isEmpty() || size <= 0 ? 0 : advances[0].x() * 1000 / size;
    widths_.emplace(glyph, width);
    return width;
}

void PdfFont::use(quint32 glyph, QStringView text) {
    QString& known = used_[glyph];
    if (known.isEmpty())
        known = text.toString();
    width(glyph);
}

QByteArray PdfFont::fontProgram(QByteArray& subtype, QByteArray& fileKey) const {
    std::vector<bool> used;
    for (const auto& entry : used_) {
        if (entry.first >= used.size())
            used.resize(entry.first + 1);
        used[entry.first] = true;
    }
    const QByteArray subset =
        pdfTrueTypeSubset([this](const char* tag) { return raw_.fontTable(tag); }, std::move(used));
    if (!subset.isEmpty()) {
        subtype = "/CIDFontType2";
        fileKey = "/FontFile2";
        return subset;
    }
    // Outlines in the compact format travel whole; their glyph numbers
    // are the CIDs.
    subtype = "/CIDFontType0";
    fileKey = "/FontFile3";
    return raw_.fontTable("CFF ");
}

void PdfFont::write(PdfOutput& out, int index) const {
    const int cidFont = out.reserve(), descriptor = out.reserve(), program = out.reserve(),
              unicode = out.reserve();
    const QByteArray fontName = '/' + subsetTag(index) + '+' + postScriptName(raw_);
    out.object(object_, "<< /Type /Font /Subtype /Type0 /BaseFont " + fontName +
                            " /Encoding /Identity-H /DescendantFonts [" +
                            QByteArray::number(cidFont) + " 0 R] /ToUnicode " +
                            QByteArray::number(unicode) + " 0 R >>");

    QByteArray widths = "[";
    for (auto it = used_.begin(); it != used_.end(); ++it) {
        const auto known = widths_.find(it->first);
        widths += QByteArray::number(it->first) + " [" +
                  pdfNumber(known == widths_.end() ? 0 : std::round(known->second)) + "] ";
    }
    widths += ']';
    QByteArray subtype, fileKey;
    const QByteArray data = fontProgram(subtype, fileKey);
    out.object(cidFont, "<< /Type /Font /Subtype " + subtype + " /BaseFont " + fontName +
                            " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) "
                            "/Supplement 0 >> /FontDescriptor " +
                            QByteArray::number(descriptor) + " 0 R /W " + widths +
                            (subtype == "/CIDFontType2" ? " /CIDToGIDMap /Identity" : "") + " >>");

    const double scale = raw_.pixelSize() > 0 ? 1000 / raw_.pixelSize() : 1;
    const double ascent = raw_.ascent() * scale, descent = raw_.descent() * scale;
    const int flags = 4 | (raw_.style() != QFont::StyleNormal ? 64 : 0);
    const QByteArray head = raw_.fontTable("head");
    QByteArray box =
        "[0 " + pdfNumber(std::round(-descent)) + " 1000 " + pdfNumber(std::round(ascent)) + ']';
    if (head.size() >= 54) {
        auto at = [&](int offset) {
            return int16_t(uint8_t(head[offset]) << 8 | uint8_t(head[offset + 1]));
        };
        const double unit = 1000.0 / std::max<int>(16, uint16_t(at(18)));
        box = '[' + pdfNumber(std::round(at(36) * unit)) + ' ' +
              pdfNumber(std::round(at(38) * unit)) + ' ' + pdfNumber(std::round(at(40) * unit)) +
              ' ' + pdfNumber(std::round(at(42) * unit)) + ']';
    }
    out.object(descriptor,
               "<< /Type /FontDescriptor /FontName " + fontName + " /Flags " +
                   QByteArray::number(flags) + " /FontBBox " + box + " /ItalicAngle 0 /Ascent " +
                   pdfNumber(std::round(ascent)) + " /Descent " + pdfNumber(std::round(-descent)) +
                   " /CapHeight " + pdfNumber(std::round(raw_.capHeight() * scale)) + " /StemV 80" +
                   (data.isEmpty() ? QByteArray()
                                   : ' ' + fileKey + ' ' + QByteArray::number(program) + " 0 R") +
                   " >>");
    out.stream(program,
               fileKey == "/FontFile3" ? QByteArray("/Subtype /CIDFontType0C")
                                       : "/Length1 " + QByteArray::number(data.size()),
               data);
    out.stream(unicode, "", toUnicode(used_));
}

} // namespace zamt
