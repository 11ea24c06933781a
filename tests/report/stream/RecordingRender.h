#pragma once
// A renderer that keeps one line per call, with every number exact (nine
// significant digits bring a single back unchanged), for comparing a replay
// with what was written.
#include "report/stream/TRptRender.h"

#include <string>
#include <vector>

namespace zamt::test {

class RecordingRender : public TRptRender {
public:
    std::vector<std::string> lines;
    // Lines of drawing and state records only, without page brackets.
    std::vector<std::string> recordsOfPage(int index) const;
    // Macro data handed to the reader (macros 16 to 35) and values 13 to 15.
    std::vector<std::string> macroData;

    void beginStream(const RptStreamHeader& header) override;
    void beginPage(const RptPageInfo& page) override;
    void endPage() override;
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
    std::string macroValue(int index) const override;
    std::optional<std::string> macroLine(int line) const override;

private:
    void add(std::string line) { lines.push_back(std::move(line)); }
};

// Nine significant digits: enough to tell any two singles apart.
std::string n(double value);
std::string graphicText(const RptGraphic& graphic);

} // namespace zamt::test
