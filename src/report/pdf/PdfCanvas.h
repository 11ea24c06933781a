#pragma once
// Replays the pages of a page stream into a PDF document as PDF drawing
// operators: the same fonts, pens, brushes and device positions the canvas
// paints with (RptQtStyle), text as glyphs of embedded fonts.
//
// A text's glyphs come straight from the font's character map and its
// widths; only a text with a character the font lacks is laid out by Qt,
// which finds the fallback faces, so most rows cost a table look-up a
// character.
#include "report/pdf/PdfDocument.h"
#include "report/stream/RptTransform.h"
#include "report/stream/TRptRenderState.h"

#include <QBrush>
#include <QFont>
#include <QHash>
#include <QPen>
#include <QSizeF>

class QPainterPath;

namespace zamt {

class TRptStreamReader;

class PdfCanvas : private TRptRenderState {
public:
    // Positions land on the page through `transform`, in the document's
    // units; by default from the paper's corner.
    explicit PdfCanvas(PdfDocument& document, const RptTransform& transform = RptTransform::preview(
                                                  PdfDocument::kUnitsPerInch, 100));

    // Adds page `index` of the stream as a page of the document, on the
    // page's paper (or the header's where the page has none).
    void addPage(TRptStreamReader& reader, int index, const RptStreamHeader& header);
    // The same on paper of the given size in inches.
    void addPage(TRptStreamReader& reader, int index, QSizeF paper);
    // A blank page of the header's paper.
    void addBlankPage(const RptStreamHeader& header);

private:
    void beginPage(const RptPageInfo& page) override;

    void arc(const RptArc& arc) override;
    void chord(const RptArc& chord) override;
    void pie(const RptArc& pie) override;
    void ellipse(const RptRect& rect) override;
    void fillRect(const RptRect& rect) override;
    void rectangle(const RptRect& rect) override;
    void roundRect(const RptRect& rect, float cornerWidth, float cornerHeight) override;
    void moveTo(RptPoint point) override;
    void lineTo(RptPoint point) override;
    void polygon(const std::vector<RptPoint>& points) override;
    void polyline(const std::vector<RptPoint>& points) override;
    void drawPicture(const RptGraphic& picture, RptPoint at) override;
    void stretchPicture(const RptGraphic& picture, const RptRect& rect) override;
    void stretchBitmap(const RptGraphic& bitmap, const RptRect& rect) override;
    void stretchBitmapArea(const RptGraphic& bitmap, RptPoint at, float width,
                           float height) override;
    void text(const RptText& text) override;

    // A glyph run of one font: the glyphs and, after each, how much less
    // than its width the next one starts (thousandths of the size).
    struct Run {
        PdfFont* font = nullptr;
        double size = 0;
        double x = 0; // from the text's origin, device units
        std::vector<quint32> glyphs;
        std::vector<double> kerning;
    };

    void useFont();
    double layOut(const QString& text); // fills runs_, gives the width
    void writeRuns(double a, double b, double c, double d, double e, double f);
    void writeLines(double width);

    bool fillWith(const QBrush& brush);
    bool strokeWith(const QPen& pen);
    void setFill(const QByteArray& operators);
    void writePath(const QPainterPath& path);
    void paint(const QPainterPath& path, bool fill, bool stroke, bool evenOdd = false);
    void drawCurve(const RptArc& arc, int kind);
    void drawImage(const RptGraphic& graphic, const QRectF& rect);
    void resetTrackedState();

    PdfDocument& document_;
    RptTransform transform_;
    RptPageInfo page_;
    QByteArray content_;
    QPoint position_;

    // A font as the document draws it.
    struct Face {
        QFont font;
        PdfFont* pdf = nullptr;
        double size = 0; // pixels
        bool syntheticBold = false, syntheticItalic = false;
        double underlineAt = 0, strikeOutAt = 0, lineThickness = 0; // above the baseline
    };
    Face* face_ = nullptr;
    QHash<QString, Face> faces_; // by QFont::key()
    std::vector<Run> runs_;

    // What the page's graphics state holds now, to write only changes.
    QByteArray fill_, stroke_, textFont_;
};

} // namespace zamt
