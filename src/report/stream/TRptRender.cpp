#include "report/stream/TRptRender.h"

namespace zamt {

TRptRender::~TRptRender() = default;
void TRptRender::beginStream(const RptStreamHeader&) {}
void TRptRender::beginPage(const RptPageInfo&) {}
void TRptRender::record(uint8_t, qint64) {}
void TRptRender::endPage() {}
void TRptRender::arc(const RptArc&) {}
void TRptRender::chord(const RptArc&) {}
void TRptRender::pie(const RptArc&) {}
void TRptRender::ellipse(const RptRect&) {}
void TRptRender::fillRect(const RptRect&) {}
void TRptRender::rectangle(const RptRect&) {}
void TRptRender::roundRect(const RptRect&, float, float) {}
void TRptRender::moveTo(RptPoint) {}
void TRptRender::lineTo(RptPoint) {}
void TRptRender::polygon(const std::vector<RptPoint>&) {}
void TRptRender::polyline(const std::vector<RptPoint>&) {}
void TRptRender::drawPicture(const RptGraphic&, RptPoint) {}
void TRptRender::stretchPicture(const RptGraphic&, const RptRect&) {}
void TRptRender::stretchBitmap(const RptGraphic&, const RptRect&) {}
void TRptRender::stretchBitmapArea(const RptGraphic&, RptPoint, float, float) {}
void TRptRender::text(const RptText&) {}
void TRptRender::setFont(const RptFont&) {}
void TRptRender::setFontName(const std::string&) {}
void TRptRender::setFontColor(int32_t) {}
void TRptRender::setFontPitch(uint8_t) {}
void TRptRender::setFontHeight(float, float) {}
void TRptRender::setBold(bool) {}
void TRptRender::setUnderline(bool) {}
void TRptRender::setItalic(bool) {}
void TRptRender::setStrikeOut(bool) {}
void TRptRender::setSuperscript(bool) {}
void TRptRender::setSubscript(bool) {}
void TRptRender::setFontRotation(int16_t) {}
void TRptRender::setFontAttribute(uint8_t) {}
void TRptRender::setFontCharset(uint8_t) {}
void TRptRender::setPen(const RptPen&) {}
void TRptRender::setPenColor(int32_t) {}
void TRptRender::setPenMode(uint8_t) {}
void TRptRender::setPenStyle(uint8_t) {}
void TRptRender::setPenWidth(float) {}
void TRptRender::setBrush(const RptBrush&) {}
void TRptRender::setBrushColor(int32_t) {}
void TRptRender::setBrushStyle(uint8_t) {}
void TRptRender::setBrushBitmap(const std::optional<RptGraphic>&) {}
void TRptRender::setScaleX(float) {}
void TRptRender::setScaleY(float) {}
void TRptRender::setBackgroundMode(uint8_t) {}
void TRptRender::setFrameMode(uint8_t) {}
void TRptRender::setLineSpacing(float, float, float) {}
void TRptRender::setReportVariable(const std::string&, const std::string&) {}
void TRptRender::skipped(const RptSkipped&) {}
std::string TRptRender::macroValue(int) const {
    return {};
}
std::optional<std::string> TRptRender::macroLine(int) const {
    return std::nullopt;
}

} // namespace zamt
