#include "report/pdf/PdfFontSubset.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zamt {
namespace {

uint16_t read16(const QByteArray& data, qsizetype at) {
    return uint16_t(uint8_t(data[at]) << 8 | uint8_t(data[at + 1]));
}
uint32_t read32(const QByteArray& data, qsizetype at) {
    return uint32_t(read16(data, at)) << 16 | read16(data, at + 2);
}
void put16(QByteArray& data, uint16_t value) {
    data.append(char(value >> 8)).append(char(value));
}
void put32(QByteArray& data, uint32_t value) {
    put16(data, uint16_t(value >> 16));
    put16(data, uint16_t(value));
}
void set32(QByteArray& data, qsizetype at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        data[at + i] = char(value >> (24 - 8 * i));
}

uint32_t checksum(const QByteArray& data) {
    uint32_t sum = 0;
    for (qsizetype at = 0; at < data.size(); at += 4) {
        uint32_t word = 0;
        for (int i = 0; i < 4; ++i)
            word = word << 8 | (at + i < data.size() ? uint8_t(data[at + i]) : 0);
        sum += word;
    }
    return sum;
}

// Where each glyph's outline lies in glyf; empty when loca and glyf disagree.
std::vector<uint32_t> glyphOffsets(const QByteArray& loca, bool longOffsets, int count,
                                   qsizetype glyfSize) {
    const qsizetype entry = longOffsets ? 4 : 2;
    if (loca.size() < (count + 1) * entry)
        return {};
    std::vector<uint32_t> offsets(size_t(count) + 1);
    for (int i = 0; i <= count; ++i) {
        offsets[i] = longOffsets ? read32(loca, i * 4) : uint32_t(read16(loca, i * 2)) * 2;
        if (offsets[i] > glyfSize || (i > 0 && offsets[i] < offsets[i - 1]))
            return {};
    }
    return offsets;
}

// Marks the parts of a composite glyph, and the parts of those.
void markComponents(const QByteArray& glyf, const std::vector<uint32_t>& offsets,
                    std::vector<bool>& used) {
    constexpr uint16_t WordArgs = 0x0001, Scale = 0x0008, MoreComponents = 0x0020, XYScale = 0x0040,
                       TwoByTwo = 0x0080;
    std::vector<int> pending;
    for (size_t glyph = 0; glyph < used.size(); ++glyph)
        if (used[glyph])
            pending.push_back(int(glyph));
    while (!pending.empty()) {
        const int glyph = pending.back();
        pending.pop_back();
        const qsizetype end = offsets[glyph + 1];
        qsizetype at = offsets[glyph];
        if (end - at < 10 || int16_t(read16(glyf, at)) >= 0)
            continue; // empty or simple
        at += 10;
        uint16_t flags = MoreComponents;
        while ((flags & MoreComponents) && at + 4 <= end) {
            flags = read16(glyf, at);
            const uint16_t part = read16(glyf, at + 2);
            if (part < used.size() && !used[part]) {
                used[part] = true;
                pending.push_back(part);
            }
            at += 4 + ((flags & WordArgs) ? 4 : 2);
            at += (flags & Scale) ? 2 : (flags & XYScale) ? 4 : (flags & TwoByTwo) ? 8 : 0;
        }
    }
}

struct Table {
    std::array<char, 4> tag;
    QByteArray data;
};

QByteArray assemble(std::vector<Table> tables) {
    std::sort(tables.begin(), tables.end(),
              [](const Table& a, const Table& b) { return a.tag < b.tag; });
    const auto count = uint16_t(tables.size());
    uint16_t power = 1, log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray font;
    put32(font, 0x00010000);
    put16(font, count);
    put16(font, uint16_t(power * 16));
    put16(font, log2);
    put16(font, uint16_t(count * 16 - power * 16));
    uint32_t offset = 12 + 16 * count;
    qsizetype headAt = -1;
    for (const Table& table : tables) {
        font.append(table.tag.data(), 4);
        put32(font, checksum(table.data));
        put32(font, offset);
        put32(font, uint32_t(table.data.size()));
        offset += uint32_t((table.data.size() + 3) & ~3);
    }
    for (const Table& table : tables) {
        if (std::memcmp(table.tag.data(), "head", 4) == 0)
            headAt = font.size();
        font.append(table.data);
        font.append((4 - table.data.size() % 4) % 4, '\0');
    }
    set32(font, headAt + 8, 0xB1B0AFBA - checksum(font));
    return font;
}

} // namespace

QByteArray pdfTrueTypeSubset(const PdfFontTable& table, std::vector<bool> used) {
    QByteArray head = table("head");
    const QByteArray maxp = table("maxp"), hhea = table("hhea"), hmtx = table("hmtx");
    const QByteArray loca = table("loca"), glyf = table("glyf");
    if (head.size() < 54 || maxp.size() < 6 || hhea.size() < 36 || loca.isEmpty())
        return {};
    const int count = read16(maxp, 4);
    const std::vector<uint32_t> offsets =
        glyphOffsets(loca, read16(head, 50) != 0, count, glyf.size());
    if (count == 0 || offsets.empty())
        return {};
    used.resize(size_t(count));
    used[0] = true;
    markComponents(glyf, offsets, used);

    QByteArray glyphs, newLoca;
    for (int glyph = 0; glyph < count; ++glyph) {
        put32(newLoca, uint32_t(glyphs.size()));
        if (used[glyph]) {
            glyphs.append(glyf.constData() + offsets[glyph], offsets[glyph + 1] - offsets[glyph]);
            glyphs.append((4 - glyphs.size() % 4) % 4, '\0');
        }
    }
    put32(newLoca, uint32_t(glyphs.size()));
    head[50] = 0; // long offsets
    head[51] = 1;
    set32(head, 8, 0); // the font's checksum, set once assembled

    std::vector<Table> tables{{{'h', 'e', 'a', 'd'}, head},    {{'h', 'h', 'e', 'a'}, hhea},
                              {{'m', 'a', 'x', 'p'}, maxp},    {{'h', 'm', 't', 'x'}, hmtx},
                              {{'l', 'o', 'c', 'a'}, newLoca}, {{'g', 'l', 'y', 'f'}, glyphs}};
    for (const char* hinting : {"cvt ", "fpgm", "prep"})
        if (QByteArray data = table(hinting); !data.isEmpty())
            tables.push_back({{hinting[0], hinting[1], hinting[2], hinting[3]}, data});
    return assemble(std::move(tables));
}

} // namespace zamt
