#pragma once
// A painter, the transform that puts inches on it and the pictures decoded
// for it: what rptPaintPage, the one paint path of the preview and the
// printer, replays pages onto. Fonts, pens and brushes follow the stream's
// state records (as RptQtStyle turns them into Qt's), from the defaults at
// the start of every page. A picture drawn again (on any page painted onto
// the same canvas) is decoded once. Only rptPaintPage replays pages onto a
// canvas.
//
// What the stream asks and we draw differently: metafile pictures are not
// drawn (Qt has no metafile player); the text background mode and the scale
// factors do not change the drawing; text is always drawn transparently.
#include "report/stream/RptPaintPage.h"
#include "report/stream/RptTransform.h"
#include "report/stream/TRptRenderState.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>

namespace zamt {

class TRptRenderCanvas : private TRptRenderState {
public:
    TRptRenderCanvas(QPainter& painter, const RptTransform& transform);

private:
    friend void rptPaintPage(TRptStreamReader&, int, TRptRenderCanvas&, const RptPageStart&);

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

    void setFrameMode(uint8_t mode) override { frameMode_ = mode; }

    enum class Tool { Pen, PenAndBrush };

    // The font a text is drawn with now.
    QFont currentFont();
    void prepare(Tool tool);
    QBrush makeBrush();
    QRect deviceRect(const RptRect& rect) const;
    void drawCurve(const RptArc& arc, int kind);

    QPainter* painter_;
    RptTransform transform_;
    const RptPageStart* start_ = nullptr; // while rptPaintPage paints a page
    QFont qfont_;
    QPoint position_;
    uint8_t frameMode_ = 0;
};

} // namespace zamt
