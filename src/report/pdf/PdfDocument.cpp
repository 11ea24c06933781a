#include "report/pdf/PdfDocument.h"

#include <QDateTime>

namespace zamt {
namespace {

constexpr double kPointsPerInch = 72;

QByteArray ref(int object) {
    return QByteArray::number(object) + " 0 R";
}

// Text outside PDFDocEncoding goes as UTF-16 with a byte order mark.
QByteArray textString(const QString& text) {
    QByteArray bytes = "\xFE\xFF";
    for (QChar c : text)
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode()));
    return pdfString(bytes);
}

// One hatch cell, in points of the page, drawn with lines a little longer
// than the cell so the diagonals join across cells.
QByteArray hatchLines(Qt::BrushStyle style) {
    const QByteArray horizontal = "-1 3 m 7 3 l ", vertical = "3 -1 m 3 7 l ",
                     falling = "-1 7 m 7 -1 l ", rising = "-1 -1 m 7 7 l ";
    switch (style) {
    case Qt::HorPattern:
        return horizontal;
    case Qt::VerPattern:
        return vertical;
    case Qt::FDiagPattern:
        return falling;
    case Qt::BDiagPattern:
        return rising;
    case Qt::CrossPattern:
        return horizontal + vertical;
    default:
        return falling + rising;
    }
}

} // namespace

PdfDocument::PdfDocument(QIODevice& device) : out_(device), resources_(out_.reserve()) {}

void PdfDocument::addPage(double widthInches, double heightInches, const QByteArray& content) {
    const QByteArray width = pdfNumber(widthInches * kPointsPerInch);
    const QByteArray height = pdfNumber(heightInches * kPointsPerInch);
    const int contents = out_.reserve(), page = out_.reserve();
    const QByteArray scale = pdfNumber(kPointsPerInch / kUnitsPerInch);
    out_.stream(contents, "", scale + " 0 0 -" + scale + " 0 " + height + " cm\n" + content);
    out_.object(page, "<< /Type /Page /Parent " + ref(PdfOutput::kPages) + " /MediaBox [0 0 " +
                          width + ' ' + height + "] /Resources " + ref(resources_) + " /Contents " +
                          ref(contents) + " >>");
    pages_.push_back(page);
}

PdfFont& PdfDocument::font(const QRawFont& raw) {
    const QString face = raw.familyName() + '\n' + raw.styleName() + '\n' +
                         QString::number(raw.weight()) + '\n' + QString::number(raw.style());
    if (PdfFont* known = fontsByFace_.value(face))
        return *known;
    const QByteArray name = "F" + QByteArray::number(qsizetype(fonts_.size() + 1));
    fonts_.push_back(std::make_unique<PdfFont>(raw, name, out_.reserve()));
    fontsByFace_.insert(face, fonts_.back().get());
    return *fonts_.back();
}

int PdfDocument::writeImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray pixels, alpha;
    pixels.reserve(qsizetype(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
    const QByteArray size = " /Width " + QByteArray::number(rgb.width()) + " /Height " +
                            QByteArray::number(rgb.height()) + " /BitsPerComponent 8";
    QByteArray mask;
    if (image.hasAlphaChannel()) {
        const QImage a = image.convertToFormat(QImage::Format_Alpha8);
        for (int y = 0; y < a.height(); ++y)
            alpha.append(reinterpret_cast<const char*>(a.constScanLine(y)), a.width());
        const int maskObject = out_.reserve();
        out_.stream(maskObject, "/Type /XObject /Subtype /Image /ColorSpace /DeviceGray" + size,
                    alpha);
        mask = " /SMask " + ref(maskObject);
    }
    const int object = out_.reserve();
    out_.stream(object, "/Type /XObject /Subtype /Image /ColorSpace /DeviceRGB" + size + mask,
                pixels);
    return object;
}

QByteArray PdfDocument::image(const QImage& image, qint64 key) {
    if (key >= 0)
        if (const auto it = images_.constFind(key); it != images_.constEnd())
            return it.value();
    const QByteArray name = "Im" + QByteArray::number(nextImage_++);
    xobjects_ += '/' + name + ' ' + ref(writeImage(image)) + ' ';
    if (key >= 0)
        images_.insert(key, name);
    return name;
}

QByteArray PdfDocument::texture(const QImage& image, qint64 key) {
    if (key >= 0)
        if (const auto it = textures_.constFind(key); it != textures_.constEnd())
            return it.value();
    // A picture's pixel tiles as a pixel of a 96 dpi screen, as in the preview.
    const QByteArray width = pdfNumber(image.width() * kPointsPerInch / 96);
    const QByteArray height = pdfNumber(image.height() * kPointsPerInch / 96);
    const int picture = writeImage(image), object = out_.reserve();
    out_.stream(object,
                "/Type /Pattern /PatternType 1 /PaintType 1 /TilingType 1 /BBox [0 0 " + width +
                    ' ' + height + "] /XStep " + width + " /YStep " + height +
                    " /Resources << /XObject << /I " + ref(picture) + " >> >>",
                width + " 0 0 " + height + " 0 0 cm /I Do");
    const QByteArray name = "P" + QByteArray::number(nextPattern_++);
    patterns_ += '/' + name + ' ' + ref(object) + ' ';
    if (key >= 0)
        textures_.insert(key, name);
    return name;
}

QByteArray PdfDocument::hatch(Qt::BrushStyle style) {
    if (const auto it = hatches_.constFind(int(style)); it != hatches_.constEnd())
        return it.value();
    const int object = out_.reserve();
    out_.stream(object,
                "/Type /Pattern /PatternType 1 /PaintType 2 /TilingType 1 /BBox [0 0 6 6] "
                "/XStep 6 /YStep 6 /Resources << >>",
                "0.5 w " + hatchLines(style) + "S");
    const QByteArray name = "P" + QByteArray::number(nextPattern_++);
    patterns_ += '/' + name + ' ' + ref(object) + ' ';
    hatches_.insert(int(style), name);
    return name;
}

void PdfDocument::finish(const QString& title) {
    QByteArray fonts;
    for (size_t i = 0; i < fonts_.size(); ++i) {
        fonts_[i]->write(out_, int(i));
        fonts += '/' + fonts_[i]->name() + ' ' + ref(fonts_[i]->object()) + ' ';
    }
    out_.object(resources_, "<< /ProcSet [/PDF /Text /ImageB /ImageC] /Font << " + fonts +
                                ">> /XObject << " + xobjects_ + ">> /Pattern << " + patterns_ +
                                ">> /ColorSpace << /Hatch [/Pattern /DeviceRGB] >> >>");
    QByteArray kids;
    for (int page : pages_)
        kids += ref(page) + ' ';
    out_.object(PdfOutput::kPages, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                                       QByteArray::number(qsizetype(pages_.size())) + " >>");
    out_.object(PdfOutput::kCatalog, "<< /Type /Catalog /Pages " + ref(PdfOutput::kPages) + " >>");
    const int info = out_.reserve();
    out_.object(info, "<< /Title " + textString(title) + " /Creator (zamt05) /Producer (zamt05)" +
                          " /CreationDate (D:" +
                          QDateTime::currentDateTimeUtc().toString("yyyyMMddHHmmss").toLatin1() +
                          "Z) >>");
    out_.finish(info);
}

} // namespace zamt
