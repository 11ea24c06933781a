#pragma once
// A renderer that keeps the stream's drawing state as its state records set
// it: the font, the pen and the brush, from the defaults at the start of
// every page, and the pictures it has decoded. The canvas and the PDF
// writer draw from it.
#include "report/stream/TRptRender.h"

#include <QHash>
#include <QImage>

namespace zamt {

class TRptRenderState : public TRptRender {
protected:
    // Each page brings its whole state: back to the defaults.
    void resetState();
    // A picture drawn again (on any page) is decoded once; null for
    // metafiles and what does not decode.
    QImage picture(const RptGraphic& graphic);

    RptFont font_;
    RptPen pen_;
    RptBrush brush_;
    bool fontDirty_ = true; // the font changed since the renderer last made it

private:
    void setFont(const RptFont& font) override;
    void setFontName(const std::string& name) override;
    void setFontColor(int32_t color) override;
    void setFontPitch(uint8_t pitch) override;
    void setFontHeight(float height, float height2) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void setItalic(bool on) override;
    void setStrikeOut(bool on) override;
    void setSuperscript(bool on) override;
    void setSubscript(bool on) override;
    void setFontRotation(int16_t degrees) override;

    void setPen(const RptPen& pen) override;
    void setPenColor(int32_t color) override;
    void setPenMode(uint8_t mode) override;
    void setPenStyle(uint8_t style) override;
    void setPenWidth(float width) override;
    void setBrush(const RptBrush& brush) override;
    void setBrushColor(int32_t color) override;
    void setBrushStyle(uint8_t style) override;
    void setBrushBitmap(const std::optional<RptGraphic>& bitmap) override;

    QHash<qint64, QImage> pictures_; // decoded, by where their data lies
};

} // namespace zamt
