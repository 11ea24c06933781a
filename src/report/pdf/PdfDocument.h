#pragma once
// A PDF document written page by page: each page's content goes out as soon
// as it is complete, and the things pages share (fonts, pictures, hatch
// patterns) go out with one resource dictionary at the end, so memory does
// not grow with the pages.
//
// Page content is in device units of 1/1200 inch with y downwards, the
// way the page stream's positions land on a device.
#include "report/pdf/PdfFont.h"
#include "report/pdf/PdfOutput.h"

#include <QHash>
#include <QImage>
#include <memory>

namespace zamt {

class PdfDocument {
public:
    static constexpr double kUnitsPerInch = 1200;

    explicit PdfDocument(QIODevice& device);

    // A page of the paper size in inches with the given content.
    void addPage(double widthInches, double heightInches, const QByteArray& content);
    int pageCount() const { return int(pages_.size()); }

    // The document's font for a face at a size; one per face.
    PdfFont& font(const QRawFont& raw);
    // The resource name of a picture, written once for each `key` >= 0
    // (where its data lies in the stream).
    QByteArray image(const QImage& image, qint64 key);
    // The resource name of a pattern that tiles a picture (written once for
    // each `key` >= 0), or of an uncoloured pattern of hatch lines (filled
    // with "/Hatch cs r g b /P scn").
    QByteArray texture(const QImage& image, qint64 key);
    QByteArray hatch(Qt::BrushStyle style);

    // The shared resources, the page tree, the catalog, the document's
    // title and creator, and the cross-reference table.
    void finish(const QString& title);

private:
    int writeImage(const QImage& image);

    PdfOutput out_;
    int resources_;
    std::vector<int> pages_;
    std::vector<std::unique_ptr<PdfFont>> fonts_;
    QHash<QString, PdfFont*> fontsByFace_;
    QHash<qint64, QByteArray> images_;
    QHash<int, QByteArray> hatches_;
    QHash<qint64, QByteArray> textures_;
    QByteArray xobjects_, patterns_;
    int nextImage_ = 1, nextPattern_ = 1;
};

} // namespace zamt
