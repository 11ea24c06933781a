#pragma once
// What a page stream is replayed into. The reader calls one method per
// record, in stream order, with positions and sizes in inches as stored; a
// renderer converts them for its device. Every method does nothing unless
// overridden, so a renderer takes only what it needs.
#include "report/stream/RptTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace zamt {

class TRptRender {
public:
    virtual ~TRptRender();

    virtual void beginStream(const RptStreamHeader& header);
    virtual void beginPage(const RptPageInfo& page);
    // Before each record of a page (the end code too), with its code and the
    // position of the code in the stream.
    virtual void record(uint8_t code, qint64 position);
    virtual void endPage();

    // Drawing.
    virtual void arc(const RptArc& arc);
    virtual void chord(const RptArc& chord);
    virtual void pie(const RptArc& pie);
    virtual void ellipse(const RptRect& rect);
    virtual void fillRect(const RptRect& rect);
    virtual void rectangle(const RptRect& rect);
    virtual void roundRect(const RptRect& rect, float cornerWidth, float cornerHeight);
    virtual void moveTo(RptPoint point);
    virtual void lineTo(RptPoint point);
    virtual void polygon(const std::vector<RptPoint>& points);
    virtual void polyline(const std::vector<RptPoint>& points);
    virtual void drawPicture(const RptGraphic& picture, RptPoint at);
    virtual void stretchPicture(const RptGraphic& picture, const RptRect& rect);
    virtual void stretchBitmap(const RptGraphic& bitmap, const RptRect& rect);
    virtual void stretchBitmapArea(const RptGraphic& bitmap, RptPoint at, float width,
                                   float height);
    virtual void text(const RptText& text);

    // Font.
    virtual void setFont(const RptFont& font);
    virtual void setFontName(const std::string& name);
    virtual void setFontColor(int32_t color);
    virtual void setFontPitch(uint8_t pitch);
    virtual void setFontHeight(float height, float height2);
    virtual void setBold(bool on);
    virtual void setUnderline(bool on);
    virtual void setItalic(bool on);
    virtual void setStrikeOut(bool on);
    virtual void setSuperscript(bool on);
    virtual void setSubscript(bool on);
    virtual void setFontRotation(int16_t degrees);
    virtual void setFontAttribute(uint8_t attribute);
    virtual void setFontCharset(uint8_t charset);

    // Pen and brush.
    virtual void setPen(const RptPen& pen);
    virtual void setPenColor(int32_t color);
    virtual void setPenMode(uint8_t mode);
    virtual void setPenStyle(uint8_t style);
    virtual void setPenWidth(float width);
    virtual void setBrush(const RptBrush& brush);
    virtual void setBrushColor(int32_t color); // also drops the brush bitmap
    virtual void setBrushStyle(uint8_t style);
    virtual void setBrushBitmap(const std::optional<RptGraphic>& bitmap);

    // Other state.
    virtual void setScaleX(float percent);
    virtual void setScaleY(float percent);
    virtual void setBackgroundMode(uint8_t mode);
    virtual void setFrameMode(uint8_t mode);
    virtual void setLineSpacing(float a, float b, float c);
    virtual void setReportVariable(const std::string& name, const std::string& value);

    // Records that carry nothing for drawing (2, 4, 6, 9, 10, 27, 30, 31,
    // 34, 36, 84 to 88), with their operands.
    virtual void skipped(const RptSkipped& record);

    // Page macros 13 to 15 and the macro data lines (macros 16 to 35) come
    // from the renderer; texts are Windows-1251.
    virtual std::string macroValue(int index) const;
    virtual std::optional<std::string> macroLine(int line) const;
};

} // namespace zamt
