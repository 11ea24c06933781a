// libFuzzer target: the TrueType subsetter of the PDF writer on arbitrary
// font files. The input is read as a font's table directory; the glyphs its
// last bytes name are kept. A subset made must itself be a font the
// subsetter takes again.
#include "report/pdf/PdfFontSubset.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

uint32_t read32(const QByteArray& data, qsizetype at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | uint8_t(data[at + i]);
    return value;
}

// The tables of a font file by their tags, as a font engine hands them out.
QByteArray table(const QByteArray& font, const char* tag) {
    if (font.size() < 12)
        return {};
    const int count = uint8_t(font[4]) << 8 | uint8_t(font[5]);
    for (int i = 0; i < count && 12 + 16 * (i + 1) <= font.size(); ++i) {
        const qsizetype entry = 12 + 16 * i;
        if (std::memcmp(font.constData() + entry, tag, 4) != 0)
            continue;
        const uint32_t offset = read32(font, entry + 8), length = read32(font, entry + 12);
        if (offset > uint32_t(font.size()) || length > uint32_t(font.size()) - offset)
            return {};
        return font.mid(offset, length);
    }
    return {};
}

QByteArray subset(const QByteArray& font, const std::vector<bool>& used) {
    return zamt::pdfTrueTypeSubset([&](const char* tag) { return table(font, tag); }, used);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray font(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<bool> used;
    for (size_t i = size > 16 ? size - 16 : 0; i + 1 < size; i += 2) {
        const size_t glyph = size_t(data[i]) << 8 | data[i + 1];
        if (glyph < 4096) {
            used.resize(std::max(used.size(), glyph + 1));
            used[glyph] = true;
        }
    }
    const QByteArray first = subset(font, used);
    if (!first.isEmpty() && subset(first, used).isEmpty())
        std::abort(); // the subset is not a font the subsetter reads
    return 0;
}
