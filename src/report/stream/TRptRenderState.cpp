#include "report/stream/TRptRenderState.h"

#include "report/stream/RptQtStyle.h"

namespace zamt {

void TRptRenderState::resetState() {
    font_ = RptFont();
    pen_ = RptPen();
    brush_ = RptBrush();
    fontDirty_ = true;
}

QImage TRptRenderState::picture(const RptGraphic& graphic) {
    if (graphic.dataPosition < 0)
        return rptDecodeGraphic(graphic);
    auto it = pictures_.constFind(graphic.dataPosition);
    if (it == pictures_.constEnd())
        it = pictures_.insert(graphic.dataPosition, rptDecodeGraphic(graphic));
    return it.value();
}

void TRptRenderState::setFont(const RptFont& font) {
    font_ = font;
    fontDirty_ = true;
}
void TRptRenderState::setFontName(const std::string& name) {
    font_.name = name;
    fontDirty_ = true;
}
void TRptRenderState::setFontColor(int32_t color) {
    font_.color = color;
}
void TRptRenderState::setFontPitch(uint8_t pitch) {
    font_.pitch = pitch;
    fontDirty_ = true;
}
void TRptRenderState::setFontHeight(float height, float height2) {
    font_.height = height;
    font_.height2 = height2;
    fontDirty_ = true;
}
void TRptRenderState::setBold(bool on) {
    font_.bold = on;
    fontDirty_ = true;
}
void TRptRenderState::setUnderline(bool on) {
    font_.underline = on;
    fontDirty_ = true;
}
void TRptRenderState::setItalic(bool on) {
    font_.italic = on;
    fontDirty_ = true;
}
void TRptRenderState::setStrikeOut(bool on) {
    font_.strikeOut = on;
    fontDirty_ = true;
}
void TRptRenderState::setSuperscript(bool on) {
    font_.superscript = on;
    fontDirty_ = true;
}
void TRptRenderState::setSubscript(bool on) {
    font_.subscript = on;
    fontDirty_ = true;
}
void TRptRenderState::setFontRotation(int16_t degrees) {
    font_.rotation = degrees;
}

void TRptRenderState::setPen(const RptPen& pen) {
    pen_ = pen;
}
void TRptRenderState::setPenColor(int32_t color) {
    pen_.color = color;
}
void TRptRenderState::setPenMode(uint8_t mode) {
    pen_.mode = mode;
}
void TRptRenderState::setPenStyle(uint8_t style) {
    pen_.style = style;
}
void TRptRenderState::setPenWidth(float width) {
    pen_.width = width;
}
void TRptRenderState::setBrush(const RptBrush& brush) {
    brush_ = brush;
}
void TRptRenderState::setBrushColor(int32_t color) {
    brush_.color = color;
    brush_.bitmap.reset();
}
void TRptRenderState::setBrushStyle(uint8_t style) {
    brush_.style = style;
}
void TRptRenderState::setBrushBitmap(const std::optional<RptGraphic>& bitmap) {
    brush_.bitmap = bitmap;
}

} // namespace zamt
