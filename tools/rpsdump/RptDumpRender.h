#pragma once
// The one text recorder of page streams: a renderer that lists what it is
// given, the stream header, then page by page one line per record with its
// code and its operands, texts as quoted UTF-8. rpsdump prints the listing;
// the tests compare it with what was written.
//
// Every number is the shortest text that reads back as the same value, so
// that no two different singles of a stream look alike in the listing.
#include "report/stream/TRptRender.h"

#include <ostream>
#include <string>
#include <vector>

namespace zamt {

class RptDumpRender : public TRptRender {
public:
    // Keeps the lines in lines().
    RptDumpRender() = default;
    // Writes each line to `out` as soon as it is made, ended by '\n'.
    explicit RptDumpRender(std::ostream& out) : out_(&out) {}

    // The lines kept, without their line breaks.
    const std::vector<std::string>& lines() const& { return lines_; }
    std::vector<std::string> lines() && { return std::move(lines_); }
    // The record lines of the page block `index` (1 = the first of the
    // stream), without the page line and its end line.
    std::vector<std::string> recordsOfPage(int index) const;

    void beginStream(const RptStreamHeader& header) override;
    void beginPage(const RptPageInfo& page) override;
    void record(uint8_t code, qint64 position) override;

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
    void setFontAttribute(uint8_t attribute) override;
    void setFontCharset(uint8_t charset) override;

    void setPen(const RptPen& pen) override;
    void setPenColor(int32_t color) override;
    void setPenMode(uint8_t mode) override;
    void setPenStyle(uint8_t style) override;
    void setPenWidth(float width) override;
    void setBrush(const RptBrush& brush) override;
    void setBrushColor(int32_t color) override;
    void setBrushStyle(uint8_t style) override;
    void setBrushBitmap(const std::optional<RptGraphic>& bitmap) override;

    void setScaleX(float percent) override;
    void setScaleY(float percent) override;
    void setBackgroundMode(uint8_t mode) override;
    void setFrameMode(uint8_t mode) override;
    void setLineSpacing(float a, float b, float c) override;
    void setReportVariable(const std::string& name, const std::string& value) override;
    void skipped(const RptSkipped& record) override;

private:
    void add(std::string line);
    // A line of the current record: its code, then `what`.
    void recordLine(const std::string& what);

    std::ostream* out_ = nullptr;
    std::vector<std::string> lines_;
    uint8_t code_ = 0;
};

// A number of the stream as the listing shows it.
std::string rptDumpNumber(double value);

} // namespace zamt
