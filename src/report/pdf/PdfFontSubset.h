#pragma once
// A TrueType font program holding only the glyphs a document draws. The
// glyphs keep their numbers, since the document's text names glyphs by
// them; every other glyph is left empty, and only the tables a PDF reader
// draws with are kept (head, hhea, maxp, hmtx, loca, glyf and the hinting
// programs cvt, fpgm, prep).
#include <QByteArray>
#include <functional>
#include <vector>

namespace zamt {

// A table of the font by its four-letter tag; empty when the font has none.
using PdfFontTable = std::function<QByteArray(const char* tag)>;

// The subset with the glyphs marked in `used` (glyph 0, the missing glyph,
// always, and the parts of composite glyphs); glyphs past the font's count
// are ignored. Empty when the font has no TrueType outlines or its tables
// contradict each other.
QByteArray pdfTrueTypeSubset(const PdfFontTable& table, std::vector<bool> used);

} // namespace zamt
