#pragma once
// A font of the PDF document: the glyphs and widths of its characters while
// the pages are written, and at the end the font's objects: a Type 0 font
// over the CID font with the widths of the glyphs used, the font program
// cut down to those glyphs, and the map from glyphs back to characters
// that lets readers copy and search the text.
#include <QByteArray>
#include <QRawFont>
#include <QString>
#include <map>
#include <vector>

namespace zamt {

class PdfOutput;

class PdfFont {
public:
    // `name` is the resource name pages use ("F1"); `object` the number of
    // the Type 0 font object.
    PdfFont(const QRawFont& raw, QByteArray name, int object);

    const QRawFont& raw() const { return raw_; }
    const QByteArray& name() const { return name_; }
    int object() const { return object_; }

    struct Glyph {
        quint32 index = 0; // 0 where the font has no glyph for the character
        double width = 0;  // the advance in thousandths of the font size
    };
    // The glyph a character is drawn with, counted as used for it.
    const Glyph& glyph(char16_t c);
    // A glyph's advance in thousandths of the font size.
    double width(quint32 glyph);
    // Counts a glyph as used for the character(s) `text` (may be empty).
    void use(quint32 glyph, QStringView text);

    // The font's objects, the Type 0 font under object().
    void write(PdfOutput& out, int index) const;

private:
    QByteArray fontProgram(QByteArray& subtype, QByteArray& fileKey) const;

    QRawFont raw_;
    QByteArray name_;
    int object_;
    std::vector<Glyph> glyphs_;        // by character
    std::vector<bool> looked_;         // which characters glyphs_ knows
    std::map<quint32, double> widths_; // by glyph
    std::map<quint32, QString> used_;  // glyph -> the characters it shows
};

} // namespace zamt
