#include "RecordingRender.h"

#include <QString>

namespace zamt::test {

std::string n(double value) {
    return QString::number(value, 'g', 9).toStdString();
}

namespace {

std::string pt(RptPoint p) {
    return n(p.x) + " " + n(p.y);
}
std::string rc(const RptRect& r) {
    return n(r.x1) + " " + n(r.y1) + " " + n(r.x2) + " " + n(r.y2);
}
std::string arcText(const RptArc& a) {
    return rc(a.bounds) + " " + pt(a.start) + " " + pt(a.end);
}
std::string points(const std::vector<RptPoint>& ps) {
    std::string out = std::to_string(ps.size());
    for (const RptPoint& p : ps) {
        out += ' ';
        out += pt(p);
    }
    return out;
}

} // namespace

std::string graphicText(const RptGraphic& g) {
    return "kind " + std::to_string(g.kind) + (g.reused ? " reused " : " ") + "[" +
           g.data.toStdString() + "]";
}

std::vector<std::string> RecordingRender::recordsOfPage(int index) const {
    std::vector<std::string> out;
    const std::string start = "page " + std::to_string(index) + " ";
    bool inside = false;
    for (const std::string& line : lines) {
        if (line.rfind(start, 0) == 0) {
            inside = true;
            continue;
        }
        if (inside && line == "end page")
            break;
        if (inside)
            out.push_back(line);
    }
    return out;
}

void RecordingRender::beginStream(const RptStreamHeader& h) {
    add("stream " + std::to_string(h.version) + " pages " + std::to_string(h.pageCount));
}
void RecordingRender::beginPage(const RptPageInfo& p) {
    add("page " + std::to_string(p.index) + " number " + std::to_string(p.number) + " paper " +
        n(p.paperWidth) + " " + n(p.paperHeight));
}
void RecordingRender::endPage() {
    add("end page");
}
void RecordingRender::arc(const RptArc& a) {
    add("arc " + arcText(a));
}
void RecordingRender::chord(const RptArc& a) {
    add("chord " + arcText(a));
}
void RecordingRender::pie(const RptArc& a) {
    add("pie " + arcText(a));
}
void RecordingRender::ellipse(const RptRect& r) {
    add("ellipse " + rc(r));
}
void RecordingRender::fillRect(const RptRect& r) {
    add("fillRect " + rc(r));
}
void RecordingRender::rectangle(const RptRect& r) {
    add("rectangle " + rc(r));
}
void RecordingRender::roundRect(const RptRect& r, float w, float h) {
    add("roundRect " + rc(r) + " " + n(w) + " " + n(h));
}
void RecordingRender::moveTo(RptPoint p) {
    add("moveTo " + pt(p));
}
void RecordingRender::lineTo(RptPoint p) {
    add("lineTo " + pt(p));
}
void RecordingRender::polygon(const std::vector<RptPoint>& ps) {
    add("polygon " + points(ps));
}
void RecordingRender::polyline(const std::vector<RptPoint>& ps) {
    add("polyline " + points(ps));
}
void RecordingRender::drawPicture(const RptGraphic& g, RptPoint at) {
    add("drawPicture " + graphicText(g) + " " + pt(at));
}
void RecordingRender::stretchPicture(const RptGraphic& g, const RptRect& r) {
    add("stretchPicture " + graphicText(g) + " " + rc(r));
}
void RecordingRender::stretchBitmap(const RptGraphic& g, const RptRect& r) {
    add("stretchBitmap " + graphicText(g) + " " + rc(r));
}
void RecordingRender::stretchBitmapArea(const RptGraphic& g, RptPoint at, float w, float h) {
    add("stretchBitmapArea " + graphicText(g) + " " + pt(at) + " " + n(w) + " " + n(h));
}
void RecordingRender::text(const RptText& t) {
    std::string line = "text " + std::to_string(t.code) + " " + n(t.x) + " " + n(t.y);
    if (t.code == 22)
        line += " clip " + rc(t.clip);
    if (t.code == 32 || t.code == 33)
        line += " width " + n(t.width);
    line += " [" + t.raw + "]";
    for (const std::string& run : t.runs)
        line += " <" + run + ">";
    add(line);
}
void RecordingRender::setFont(const RptFont& f) {
    add("font [" + f.name + "] " + std::to_string(f.color) + " " + std::to_string(f.pitch) + " " +
        std::to_string(f.charset) + " " + n(f.height) + " " + std::to_string(f.bold) +
        std::to_string(f.italic) + std::to_string(f.strikeOut) + " " + std::to_string(f.rotation));
}
void RecordingRender::setFontName(const std::string& s) {
    add("fontName [" + s + "]");
}
void RecordingRender::setFontColor(int32_t c) {
    add("fontColor " + std::to_string(c));
}
void RecordingRender::setFontPitch(uint8_t v) {
    add("fontPitch " + std::to_string(v));
}
void RecordingRender::setFontHeight(float h, float h2) {
    add("fontHeight " + n(h) + " " + n(h2));
}
void RecordingRender::setBold(bool on) {
    add("bold " + std::to_string(on));
}
void RecordingRender::setUnderline(bool on) {
    add("underline " + std::to_string(on));
}
void RecordingRender::setItalic(bool on) {
    add("italic " + std::to_string(on));
}
void RecordingRender::setStrikeOut(bool on) {
    add("strikeOut " + std::to_string(on));
}
void RecordingRender::setSuperscript(bool on) {
    add("superscript " + std::to_string(on));
}
void RecordingRender::setSubscript(bool on) {
    add("subscript " + std::to_string(on));
}
void RecordingRender::setFontRotation(int16_t d) {
    add("fontRotation " + std::to_string(d));
}
void RecordingRender::setFontAttribute(uint8_t v) {
    add("fontAttribute " + std::to_string(v));
}
void RecordingRender::setFontCharset(uint8_t v) {
    add("fontCharset " + std::to_string(v));
}
void RecordingRender::setPen(const RptPen& p) {
    add("pen " + std::to_string(p.color) + " " + std::to_string(p.mode) + " " +
        std::to_string(p.style) + " " + n(p.width));
}
void RecordingRender::setPenColor(int32_t c) {
    add("penColor " + std::to_string(c));
}
void RecordingRender::setPenMode(uint8_t v) {
    add("penMode " + std::to_string(v));
}
void RecordingRender::setPenStyle(uint8_t v) {
    add("penStyle " + std::to_string(v));
}
void RecordingRender::setPenWidth(float w) {
    add("penWidth " + n(w));
}
void RecordingRender::setBrush(const RptBrush& b) {
    add("brush " + std::to_string(b.color) + " " + std::to_string(b.style) + " " +
        (b.bitmap ? graphicText(*b.bitmap) : std::string("none")));
}
void RecordingRender::setBrushColor(int32_t c) {
    add("brushColor " + std::to_string(c));
}
void RecordingRender::setBrushStyle(uint8_t v) {
    add("brushStyle " + std::to_string(v));
}
void RecordingRender::setBrushBitmap(const std::optional<RptGraphic>& b) {
    add("brushBitmap " + (b ? graphicText(*b) : std::string("none")));
}
void RecordingRender::setScaleX(float v) {
    add("scaleX " + n(v));
}
void RecordingRender::setScaleY(float v) {
    add("scaleY " + n(v));
}
void RecordingRender::setBackgroundMode(uint8_t v) {
    add("backgroundMode " + std::to_string(v));
}
void RecordingRender::setFrameMode(uint8_t v) {
    add("frameMode " + std::to_string(v));
}
void RecordingRender::setLineSpacing(float a, float b, float c) {
    add("lineSpacing " + n(a) + " " + n(b) + " " + n(c));
}
void RecordingRender::setReportVariable(const std::string& name, const std::string& value) {
    add("variable [" + name + "] [" + value + "]");
}
void RecordingRender::skipped(const RptSkipped& s) {
    std::string line = "skipped " + std::to_string(s.code);
    for (double v : s.numbers) {
        line += ' ';
        line += n(v);
    }
    if (!s.text.empty())
        line += " [" + s.text + "]";
    if (!s.data.isEmpty())
        line += " {" + s.data.toStdString() + "}";
    add(line);
}
std::string RecordingRender::macroValue(int index) const {
    return "r" + std::to_string(index);
}
std::optional<std::string> RecordingRender::macroLine(int line) const {
    if (line < 0 || size_t(line) >= macroData.size())
        return std::nullopt;
    return macroData[size_t(line)];
}

} // namespace zamt::test
