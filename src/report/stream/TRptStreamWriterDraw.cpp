// The writer's drawing records.
#include "report/stream/RptCodes.h"
#include "report/stream/TRptStreamWriter.h"

namespace zamt {

// ------------------------------------------------------------ drawing

void TRptStreamWriter::text(double x, double y, std::string_view text, RptAlign align) {
    requirePage("text");
    if (!pageOut_)
        return;
    const uint8_t code = align == RptAlign::Center  ? RptCode::TextCenter
                         : align == RptAlign::Right ? RptCode::TextRight
                                                    : RptCode::TextLeft;
    putTextRecord(code, x, y, text);
}

void TRptStreamWriter::textClipped(const RptRect& clip, double x, double y, std::string_view text) {
    requirePage("text");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::TextClipped);
    putRect(clip);
    putPoint(x, y);
    putString(text);
}

void TRptStreamWriter::textWithWidth(double x, double y, std::string_view text, double width) {
    requirePage("text");
    if (!pageOut_)
        return;
    putTextRecord(RptCode::TextWidth, x, y, text);
    sink_->putSingle(float(width));
}

void TRptStreamWriter::moveTo(double x, double y) {
    requirePage("move");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::MoveTo);
    putPoint(x, y);
}

void TRptStreamWriter::lineTo(double x, double y) {
    requirePage("line");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::LineTo);
    putPoint(x, y);
}

void TRptStreamWriter::line(double x1, double y1, double x2, double y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void TRptStreamWriter::rectangle(const RptRect& rect) {
    requirePage("rectangle");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::Rectangle);
    putRect(rect);
}

void TRptStreamWriter::fillRect(const RptRect& rect) {
    requirePage("rectangle");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::FillRect);
    putRect(rect);
}

void TRptStreamWriter::ellipse(const RptRect& rect) {
    requirePage("ellipse");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::Ellipse);
    putRect(rect);
}

void TRptStreamWriter::roundRect(const RptRect& rect, double cornerWidth, double cornerHeight) {
    requirePage("rectangle");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::RoundRect);
    putRect(rect);
    sink_->putSingle(float(cornerWidth));
    sink_->putSingle(float(cornerHeight));
}

void TRptStreamWriter::arc(const RptArc& arc) {
    requirePage("arc");
    if (pageOut_)
        putArc(RptCode::Arc, arc);
}

void TRptStreamWriter::chord(const RptArc& chord) {
    requirePage("chord");
    if (pageOut_)
        putArc(RptCode::Chord, chord);
}

void TRptStreamWriter::pie(const RptArc& pie) {
    requirePage("pie");
    if (pageOut_)
        putArc(RptCode::Pie, pie);
}

void TRptStreamWriter::polygon(std::span<const RptPoint> points) {
    requirePage("polygon");
    if (pageOut_)
        putPoints(RptCode::Polygon, points);
}

void TRptStreamWriter::polyline(std::span<const RptPoint> points) {
    requirePage("polyline");
    if (pageOut_)
        putPoints(RptCode::Polyline, points);
}

void TRptStreamWriter::drawPicture(const RptGraphic& picture, double x, double y) {
    requirePage("picture");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::DrawPicture);
    putGraphic(picture);
    putPoint(x, y);
}

void TRptStreamWriter::stretchPicture(const RptGraphic& picture, const RptRect& rect) {
    requirePage("picture");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::StretchPicture);
    putGraphic(picture);
    putRect(rect);
}

void TRptStreamWriter::stretchBitmap(const RptGraphic& bitmap, const RptRect& rect) {
    requirePage("picture");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::StretchBitmap);
    putGraphic(bitmap);
    putRect(rect);
}

void TRptStreamWriter::stretchBitmapArea(const RptGraphic& bitmap, double x, double y, double width,
                                         double height) {
    requirePage("picture");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::StretchBitmapArea);
    putGraphic(bitmap);
    putPoint(x, y);
    sink_->putSingle(float(width));
    sink_->putSingle(float(height));
}

void TRptStreamWriter::embedData(const QByteArray& data, std::string_view text,
                                 const RptRect& area) {
    requirePage("embedded data");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::EmbeddedData);
    sink_->putInt32(int32_t(data.size()));
    sink_->putBytes(data.constData(), data.size());
    putString(text);
    putRect(area);
}

} // namespace zamt
