// The text of the PDF canvas: fonts as the document draws them, glyph runs
// and their lines.
#include "platform/CodePage.h"
#include "report/pdf/PdfCanvas.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptColor.h"
#include "report/stream/RptQtStyle.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <cmath>

namespace zamt {
namespace {

// A slanted face made from an upright one leans as FreeType leans it.
constexpr double kSyntheticSlant = 0.2126;

QByteArray glyphString(const std::vector<quint32>& glyphs, size_t from, size_t to) {
    QByteArray bytes;
    bytes.reserve(qsizetype(to - from) * 2);
    for (size_t i = from; i < to; ++i)
        bytes.append(char(glyphs[i] >> 8)).append(char(glyphs[i]));
    return pdfString(bytes);
}

} // namespace

void PdfCanvas::useFont() {
    if (!fontDirty_)
        return;
    fontDirty_ = false;
    const QFont font = rptQFont(font_, transform_);
    auto it = faces_.find(font.key());
    if (it == faces_.end()) {
        Face face;
        face.font = font;
        const QRawFont raw = QRawFont::fromFont(font);
        face.pdf = &document_.font(raw);
        face.size = font.pixelSize();
        // Where the family lacks the weight or slant asked for, Qt makes
        // them up from the face it found; so does the document. The face's
        // own style bits tell (the raw font reports the style asked for).
        const QByteArray head = raw.fontTable("head");
        const int macStyle = head.size() >= 46 ? uint8_t(head[45]) : 0;
        face.syntheticBold = font.bold() && !(macStyle & 1) && raw.weight() < QFont::DemiBold;
        face.syntheticItalic = font.italic() && !(macStyle & 2);
        const double scale = raw.pixelSize() > 0 ? face.size / raw.pixelSize() : 1;
        face.lineThickness = std::max(1.0, raw.lineThickness() * scale);
        face.underlineAt = -raw.underlinePosition() * scale;
        face.strikeOutAt = raw.ascent() * scale / 3;
        it = faces_.insert(font.key(), face);
    }
    face_ = &it.value();
}

// ---------------------------------------------------------------- text

double PdfCanvas::layOut(const QString& text) {
    runs_.resize(1);
    Run& run = runs_[0];
    run.font = face_->pdf;
    run.size = face_->size;
    run.x = 0;
    run.glyphs.clear();
    run.kerning.clear();
    double width = 0;
    bool complete = true;
    for (QChar c : text) {
        const PdfFont::Glyph& glyph = run.font->glyph(c.unicode());
        if (glyph.index == 0) {
            complete = false;
            break;
        }
        run.glyphs.push_back(glyph.index);
        width += glyph.width;
    }
    if (complete)
        return width * run.size / 1000;

    // A character the face lacks: Qt lays the text out with its fallbacks.
    QTextLayout layout(text, face_->font);
    layout.setCacheEnabled(false);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    runs_.clear();
    for (const QGlyphRun& glyphRun : line.glyphRuns()) {
        const QList<quint32> glyphs = glyphRun.glyphIndexes();
        const QList<QPointF> positions = glyphRun.positions();
        if (glyphs.isEmpty())
            continue;
        Run next;
        next.font = &document_.font(glyphRun.rawFont());
        next.size = glyphRun.rawFont().pixelSize();
        next.x = positions[0].x();
        for (QChar c : text)
            next.font->glyph(c.unicode()); // the characters each glyph shows
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            next.font->use(glyphs[i], {});
            next.glyphs.push_back(glyphs[i]);
            const double advance = i + 1 < positions.size()
                                       ? positions[i + 1].x() - positions[i].x()
                                       : next.font->width(glyphs[i]) * next.size / 1000;
            next.kerning.push_back(
                next.size > 0 ? next.font->width(glyphs[i]) - advance * 1000 / next.size : 0);
        }
        runs_.push_back(std::move(next));
    }
    return line.naturalTextWidth();
}

// Writes the runs with the text matrix [a b c d e f]; the runs' x offsets
// go along the text's direction.
void PdfCanvas::writeRuns(double a, double b, double c, double d, double e, double f) {
    for (const Run& run : runs_) {
        const QByteArray font = '/' + run.font->name() + ' ' + pdfNumber(run.size) + " Tf ";
        content_ += "BT ";
        if (font != textFont_) {
            content_ += font;
            textFont_ = font;
        }
        content_ += pdfNumber(a) + ' ' + pdfNumber(b) + ' ' + pdfNumber(c) + ' ' + pdfNumber(d) +
                    ' ' + pdfNumber(e + run.x * a) + ' ' + pdfNumber(f + run.x * b) + " Tm ";
        if (run.kerning.empty()) {
            content_ += glyphString(run.glyphs, 0, run.glyphs.size()) + " Tj ET\n";
            continue;
        }
        content_ += '[';
        size_t from = 0;
        for (size_t i = 0; i < run.glyphs.size(); ++i) {
            const double kern = std::round(run.kerning[i] * 10) / 10;
            if (kern != 0 || i + 1 == run.glyphs.size()) {
                content_ += glyphString(run.glyphs, from, i + 1);
                if (kern != 0 && i + 1 < run.glyphs.size())
                    content_ += pdfNumber(kern);
                from = i + 1;
            }
        }
        content_ += "] TJ ET\n";
    }
}

// Underline and strike-out, in the text's own coordinates (y upwards).
void PdfCanvas::writeLines(double width) {
    const double t = face_->lineThickness;
    if (font_.underline)
        content_ += "0 " + pdfNumber(face_->underlineAt - t / 2) + ' ' + pdfNumber(width) + ' ' +
                    pdfNumber(t) + " re f\n";
    if (font_.strikeOut)
        content_ += "0 " + pdfNumber(face_->strikeOutAt - t / 2) + ' ' + pdfNumber(width) + ' ' +
                    pdfNumber(t) + " re f\n";
}

void PdfCanvas::text(const RptText& text) {
    std::string joined;
    for (const std::string& run : text.runs)
        joined += run;
    if (joined.empty())
        return;
    useFont();
    const QString s = fromCp1251(joined);
    const double width = layOut(s);
    double dx = 0;
    if (text.code == RptCode::TextCenter || text.code == RptCode::TextRight)
        dx = text.code == RptCode::TextCenter ? -width / 2 : -width;
    const QPoint at = transform_.point(text.x, text.y);
    const bool clipped = text.code == RptCode::TextClipped;
    const bool plain = !clipped && font_.rotation == 0 && !face_->syntheticBold &&
                       !face_->syntheticItalic && !font_.underline && !font_.strikeOut;
    setFill(pdfColor(rptColor(font_.color)) + " rg\n");
    if (plain) {
        writeRuns(1, 0, 0, -1, at.x() + dx, at.y());
        return;
    }

    content_ += "q\n";
    if (clipped) {
        const QRect clip = rptDeviceRect(text.clip, transform_);
        content_ += pdfNumber(clip.x()) + ' ' + pdfNumber(clip.y()) + ' ' +
                    pdfNumber(clip.width()) + ' ' + pdfNumber(clip.height()) + " re W n\n";
    }
    // The text's coordinates: its origin at the position, x along the
    // text's direction (turned counter-clockwise on paper), y upwards.
    const double angle = -font_.rotation * M_PI / 180;
    const double cosine = std::cos(angle), sine = std::sin(angle);
    content_ += pdfNumber(cosine) + ' ' + pdfNumber(sine) + ' ' + pdfNumber(sine) + ' ' +
                pdfNumber(-cosine) + ' ' + pdfNumber(at.x()) + ' ' + pdfNumber(at.y()) + " cm\n";
    if (face_->syntheticBold)
        content_ +=
            pdfColor(rptColor(font_.color)) + " RG " + pdfNumber(face_->size / 30) + " w 2 Tr\n";
    const double slant = face_->syntheticItalic ? kSyntheticSlant : 0;
    textFont_.clear();
    writeRuns(1, 0, slant, 1, dx, 0);
    content_ += "1 0 0 1 " + pdfNumber(dx) + " 0 cm\n";
    writeLines(width);
    content_ += "Q\n";
    resetTrackedState();
}

} // namespace zamt
