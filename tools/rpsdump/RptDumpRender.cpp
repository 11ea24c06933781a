#include "RptDumpRender.h"

#include "platform/CodePage.h"

#include <QString>
#include <cmath>
#include <cstdio>

namespace zamt {

std::string rptDumpNumber(double value) {
    if (!std::isfinite(value))
        return QString::number(value, 'g').toStdString();
    // The stream's integers are int32; a single of a whole value reads the same.
    if (value == std::trunc(value) && std::abs(value) <= 2147483648.0)
        return QString::number(value, 'f', 0).toStdString();
    for (int digits = 1; digits < 9; ++digits) {
        const QString text = QString::number(value, 'g', digits);
        if (float(text.toDouble()) == float(value))
            return text.toStdString();
    }
    return QString::number(value, 'g', 9).toStdString();
}

namespace {

std::string num(double value) {
    return rptDumpNumber(value);
}

std::string point(RptPoint p) {
    return num(p.x) + " " + num(p.y);
}

std::string rect(const RptRect& r) {
    return num(r.x1) + " " + num(r.y1) + " " + num(r.x2) + " " + num(r.y2);
}

std::string curve(const RptArc& a) {
    return rect(a.bounds) + " from " + point(a.start) + " to " + point(a.end);
}

std::string points(const std::vector<RptPoint>& ps) {
    std::string out;
    for (const RptPoint& p : ps)
        out += ' ' + point(p);
    return out;
}

std::string color(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(value));
    return text;
}

// Windows-1251 text as quoted UTF-8; control bytes, quotes and backslashes escaped.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    size_t plain = 0;
    auto flushPlain = [&](size_t end) {
        out += fromCp1251(text.substr(plain, end - plain)).toStdString();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\' && c != 0x7F)
            continue;
        flushPlain(i);
        char escape[8];
        if (c == '"' || c == '\\')
            std::snprintf(escape, sizeof escape, "\\%c", c);
        else
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
        out += escape;
        plain = i + 1;
    }
    flushPlain(text.size());
    return out + "\"";
}

std::string graphic(const RptGraphic& g) {
    static const char* const kinds[] = {"picture kind 0", "bitmap", "metafile", "icon"};
    std::string out = g.kind < 4 ? kinds[g.kind] : "picture kind " + std::to_string(g.kind);
    out += g.reused ? " reused from " : " at ";
    out += std::to_string(g.dataPosition) + ", " + std::to_string(g.data.size()) + " bytes";
    return out;
}

std::string onOff(bool on) {
    return on ? "on" : "off";
}

} // namespace

std::vector<std::string> RptDumpRender::recordsOfPage(int index) const {
    const std::string start = "page " + std::to_string(index) + " ";
    std::vector<std::string> out;
    bool inside = false;
    for (const std::string& line : lines_) {
        if (!inside) {
            inside = line.starts_with(start);
            continue;
        }
        if (line == "  82 end of page")
            break;
        out.push_back(line);
    }
    return out;
}

void RptDumpRender::add(std::string line) {
    if (out_)
        *out_ << line << '\n';
    else
        lines_.push_back(std::move(line));
}

void RptDumpRender::recordLine(const std::string& what) {
    add("  " + std::to_string(code_) + ' ' + what);
}

void RptDumpRender::beginStream(const RptStreamHeader& h) {
    add("version " + std::to_string(h.version));
    add("title " + quoted(h.title));
    add("pages " + std::to_string(h.pageCount));
    add("first page " + std::to_string(h.firstPage));
    add("last page " + std::to_string(h.lastPage));
    add("paper " + num(h.paperWidth) + " x " + num(h.paperHeight) + " in");
}

void RptDumpRender::beginPage(const RptPageInfo& p) {
    add("page " + std::to_string(p.index) + " number " + std::to_string(p.number) + " at " +
        std::to_string(p.position) + " previous " + std::to_string(p.previous) + " next " +
        std::to_string(p.next) + " paper " + num(p.paperWidth) + " x " + num(p.paperHeight) +
        " in");
}

void RptDumpRender::record(uint8_t code, qint64) {
    code_ = code;
    if (code == 82)
        recordLine("end of page");
}

void RptDumpRender::arc(const RptArc& a) {
    recordLine("arc " + curve(a));
}
void RptDumpRender::chord(const RptArc& a) {
    recordLine("chord " + curve(a));
}
void RptDumpRender::pie(const RptArc& a) {
    recordLine("pie " + curve(a));
}
void RptDumpRender::ellipse(const RptRect& r) {
    recordLine("ellipse " + rect(r));
}
void RptDumpRender::fillRect(const RptRect& r) {
    recordLine("fill rectangle " + rect(r));
}
void RptDumpRender::rectangle(const RptRect& r) {
    recordLine("rectangle " + rect(r));
}
void RptDumpRender::roundRect(const RptRect& r, float cw, float ch) {
    recordLine("rounded rectangle " + rect(r) + " corner " + num(cw) + ' ' + num(ch));
}
void RptDumpRender::moveTo(RptPoint p) {
    recordLine("move to " + point(p));
}
void RptDumpRender::lineTo(RptPoint p) {
    recordLine("line to " + point(p));
}
void RptDumpRender::polygon(const std::vector<RptPoint>& ps) {
    recordLine("polygon" + points(ps));
}
void RptDumpRender::polyline(const std::vector<RptPoint>& ps) {
    recordLine("polyline" + points(ps));
}
void RptDumpRender::drawPicture(const RptGraphic& g, RptPoint at) {
    recordLine("picture " + graphic(g) + " at " + point(at));
}
void RptDumpRender::stretchPicture(const RptGraphic& g, const RptRect& r) {
    recordLine("stretched picture " + graphic(g) + " into " + rect(r));
}
void RptDumpRender::stretchBitmap(const RptGraphic& g, const RptRect& r) {
    recordLine("stretched bitmap " + graphic(g) + " into " + rect(r));
}
void RptDumpRender::stretchBitmapArea(const RptGraphic& g, RptPoint at, float w, float h) {
    recordLine("stretched bitmap " + graphic(g) + " into " + point(at) + " size " + num(w) + ' ' +
               num(h));
}

void RptDumpRender::text(const RptText& t) {
    std::string where;
    switch (t.code) {
    case 22:
        where = "text clipped to " + rect(t.clip) + " at " + num(t.x) + ' ' + num(t.y);
        break;
    case 23:
        where = "text centred on " + num(t.x) + ' ' + num(t.y);
        break;
    case 25:
        where = "text ending at " + num(t.x) + ' ' + num(t.y);
        break;
    case 32:
    case 33:
        where = "text at " + num(t.x) + ' ' + num(t.y) + " width " + num(t.width);
        break;
    default:
        where = "text at " + num(t.x) + ' ' + num(t.y);
        break;
    }
    recordLine(where + ' ' + quoted(t.raw));
}

void RptDumpRender::setFont(const RptFont& f) {
    recordLine("font " + quoted(f.name) + " colour " + color(f.color) + " pitch " +
               std::to_string(f.pitch) + " charset " + std::to_string(f.charset) + " height " +
               num(f.height) + " bold " + onOff(f.bold) + " italic " + onOff(f.italic) +
               " strike-out " + onOff(f.strikeOut) + " rotation " + std::to_string(f.rotation));
}
void RptDumpRender::setFontName(const std::string& name) {
    recordLine("font name " + quoted(name));
}
void RptDumpRender::setFontColor(int32_t c) {
    recordLine("font colour " + color(c));
}
void RptDumpRender::setFontPitch(uint8_t v) {
    recordLine("font pitch " + std::to_string(v));
}
void RptDumpRender::setFontHeight(float h, float h2) {
    recordLine("font height " + num(h) + ' ' + num(h2));
}
void RptDumpRender::setBold(bool on) {
    recordLine("bold " + onOff(on));
}
void RptDumpRender::setUnderline(bool on) {
    recordLine("underline " + onOff(on));
}
void RptDumpRender::setItalic(bool on) {
    recordLine("italic " + onOff(on));
}
void RptDumpRender::setStrikeOut(bool on) {
    recordLine("strike-out " + onOff(on));
}
void RptDumpRender::setSuperscript(bool on) {
    recordLine("superscript " + onOff(on));
}
void RptDumpRender::setSubscript(bool on) {
    recordLine("subscript " + onOff(on));
}
void RptDumpRender::setFontRotation(int16_t d) {
    recordLine("font rotation " + std::to_string(d));
}
void RptDumpRender::setFontAttribute(uint8_t v) {
    recordLine("font attribute " + std::to_string(v));
}
void RptDumpRender::setFontCharset(uint8_t v) {
    recordLine("font charset " + std::to_string(v));
}

void RptDumpRender::setPen(const RptPen& p) {
    recordLine("pen colour " + color(p.color) + " mode " + std::to_string(p.mode) + " style " +
               std::to_string(p.style) + " width " + num(p.width));
}
void RptDumpRender::setPenColor(int32_t c) {
    recordLine("pen colour " + color(c));
}
void RptDumpRender::setPenMode(uint8_t v) {
    recordLine("pen mode " + std::to_string(v));
}
void RptDumpRender::setPenStyle(uint8_t v) {
    recordLine("pen style " + std::to_string(v));
}
void RptDumpRender::setPenWidth(float w) {
    recordLine("pen width " + num(w));
}
void RptDumpRender::setBrush(const RptBrush& b) {
    recordLine("brush colour " + color(b.color) + " style " + std::to_string(b.style) + " bitmap " +
               (b.bitmap ? graphic(*b.bitmap) : std::string("none")));
}
void RptDumpRender::setBrushColor(int32_t c) {
    recordLine("brush colour " + color(c));
}
void RptDumpRender::setBrushStyle(uint8_t v) {
    recordLine("brush style " + std::to_string(v));
}
void RptDumpRender::setBrushBitmap(const std::optional<RptGraphic>& b) {
    recordLine("brush bitmap " + (b ? graphic(*b) : std::string("none")));
}

void RptDumpRender::setScaleX(float v) {
    recordLine("horizontal scale " + num(v));
}
void RptDumpRender::setScaleY(float v) {
    recordLine("vertical scale " + num(v));
}
void RptDumpRender::setBackgroundMode(uint8_t v) {
    recordLine("background mode " + std::to_string(v));
}
void RptDumpRender::setFrameMode(uint8_t v) {
    recordLine("frame mode " + std::to_string(v));
}
void RptDumpRender::setLineSpacing(float a, float b, float c) {
    recordLine("line spacing " + num(a) + ' ' + num(b) + ' ' + num(c));
}
void RptDumpRender::setReportVariable(const std::string& name, const std::string& value) {
    recordLine("variable " + quoted(name) + " = " + quoted(value));
}

void RptDumpRender::skipped(const RptSkipped& s) {
    std::string what = "skipped";
    for (double v : s.numbers)
        what += ' ' + num(v);
    if (!s.text.empty() || s.code == 30 || s.code == 88 || s.code == 36)
        what += ' ' + quoted(s.text);
    if (s.code == 36)
        what += ' ' + std::to_string(s.data.size()) + " bytes";
    recordLine(what);
}

} // namespace zamt
