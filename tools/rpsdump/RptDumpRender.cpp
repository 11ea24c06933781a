#include "RptDumpRender.h"

#include "platform/CodePage.h"

#include <QString>
#include <cstdio>

namespace zamt {
namespace {

std::string num(double value) {
    return QString::number(value, 'g', 7).toStdString();
}

std::string point(RptPoint p) {
    return num(p.x) + " " + num(p.y);
}

std::string rect(const RptRect& r) {
    return num(r.x1) + " " + num(r.y1) + " " + num(r.x2) + " " + num(r.y2);
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

std::ostream& RptDumpRender::line(std::string_view what) {
    return out_ << "  " << int(code_) << ' ' << what;
}

void RptDumpRender::beginStream(const RptStreamHeader& h) {
    out_ << "version " << h.version << '\n'
         << "title " << quoted(h.title) << '\n'
         << "pages " << h.pageCount << '\n'
         << "first page " << h.firstPage << '\n'
         << "last page " << h.lastPage << '\n'
         << "paper " << num(h.paperWidth) << " x " << num(h.paperHeight) << " in\n";
}

void RptDumpRender::beginPage(const RptPageInfo& p) {
    out_ << "page " << p.index << " number " << p.number << " at " << p.position << " previous "
         << p.previous << " next " << p.next << " paper " << num(p.paperWidth) << " x "
         << num(p.paperHeight) << " in\n";
}

void RptDumpRender::record(uint8_t code, qint64) {
    code_ = code;
    if (code == 82)
        line("end of page\n");
}

void RptDumpRender::arc(const RptArc& a) {
    line("arc ") << rect(a.bounds) << " from " << point(a.start) << " to " << point(a.end) << '\n';
}
void RptDumpRender::chord(const RptArc& a) {
    line("chord ") << rect(a.bounds) << " from " << point(a.start) << " to " << point(a.end)
                   << '\n';
}
void RptDumpRender::pie(const RptArc& a) {
    line("pie ") << rect(a.bounds) << " from " << point(a.start) << " to " << point(a.end) << '\n';
}
void RptDumpRender::ellipse(const RptRect& r) {
    line("ellipse ") << rect(r) << '\n';
}
void RptDumpRender::fillRect(const RptRect& r) {
    line("fill rectangle ") << rect(r) << '\n';
}
void RptDumpRender::rectangle(const RptRect& r) {
    line("rectangle ") << rect(r) << '\n';
}
void RptDumpRender::roundRect(const RptRect& r, float cw, float ch) {
    line("rounded rectangle ") << rect(r) << " corner " << num(cw) << ' ' << num(ch) << '\n';
}
void RptDumpRender::moveTo(RptPoint p) {
    line("move to ") << point(p) << '\n';
}
void RptDumpRender::lineTo(RptPoint p) {
    line("line to ") << point(p) << '\n';
}
void RptDumpRender::polygon(const std::vector<RptPoint>& points) {
    std::ostream& o = line("polygon");
    for (const RptPoint& p : points)
        o << ' ' << point(p);
    o << '\n';
}
void RptDumpRender::polyline(const std::vector<RptPoint>& points) {
    std::ostream& o = line("polyline");
    for (const RptPoint& p : points)
        o << ' ' << point(p);
    o << '\n';
}
void RptDumpRender::drawPicture(const RptGraphic& g, RptPoint at) {
    line("picture ") << graphic(g) << " at " << point(at) << '\n';
}
void RptDumpRender::stretchPicture(const RptGraphic& g, const RptRect& r) {
    line("stretched picture ") << graphic(g) << " into " << rect(r) << '\n';
}
void RptDumpRender::stretchBitmap(const RptGraphic& g, const RptRect& r) {
    line("stretched bitmap ") << graphic(g) << " into " << rect(r) << '\n';
}
void RptDumpRender::stretchBitmapArea(const RptGraphic& g, RptPoint at, float w, float h) {
    line("stretched bitmap ") << graphic(g) << " into " << point(at) << " size " << num(w) << ' '
                              << num(h) << '\n';
}

void RptDumpRender::text(const RptText& t) {
    switch (t.code) {
    case 22:
        line("text clipped to ") << rect(t.clip) << " at " << num(t.x) << ' ' << num(t.y);
        break;
    case 23:
        line("text centred on ") << num(t.x) << ' ' << num(t.y);
        break;
    case 25:
        line("text ending at ") << num(t.x) << ' ' << num(t.y);
        break;
    case 32:
    case 33:
        line("text at ") << num(t.x) << ' ' << num(t.y) << " width " << num(t.width);
        break;
    default:
        line("text at ") << num(t.x) << ' ' << num(t.y);
        break;
    }
    out_ << ' ' << quoted(t.raw) << '\n';
}

void RptDumpRender::setFont(const RptFont& f) {
    line("font ") << quoted(f.name) << " colour " << color(f.color) << " pitch " << int(f.pitch)
                  << " charset " << int(f.charset) << " height " << num(f.height) << " bold "
                  << onOff(f.bold) << " italic " << onOff(f.italic) << " strike-out "
                  << onOff(f.strikeOut) << " rotation " << f.rotation << '\n';
}
void RptDumpRender::setFontName(const std::string& name) {
    line("font name ") << quoted(name) << '\n';
}
void RptDumpRender::setFontColor(int32_t c) {
    line("font colour ") << color(c) << '\n';
}
void RptDumpRender::setFontPitch(uint8_t v) {
    line("font pitch ") << int(v) << '\n';
}
void RptDumpRender::setFontHeight(float h, float h2) {
    line("font height ") << num(h) << ' ' << num(h2) << '\n';
}
void RptDumpRender::setBold(bool on) {
    line("bold ") << onOff(on) << '\n';
}
void RptDumpRender::setUnderline(bool on) {
    line("underline ") << onOff(on) << '\n';
}
void RptDumpRender::setItalic(bool on) {
    line("italic ") << onOff(on) << '\n';
}
void RptDumpRender::setStrikeOut(bool on) {
    line("strike-out ") << onOff(on) << '\n';
}
void RptDumpRender::setSuperscript(bool on) {
    line("superscript ") << onOff(on) << '\n';
}
void RptDumpRender::setSubscript(bool on) {
    line("subscript ") << onOff(on) << '\n';
}
void RptDumpRender::setFontRotation(int16_t d) {
    line("font rotation ") << d << '\n';
}
void RptDumpRender::setFontAttribute(uint8_t v) {
    line("font attribute ") << int(v) << '\n';
}
void RptDumpRender::setFontCharset(uint8_t v) {
    line("font charset ") << int(v) << '\n';
}

void RptDumpRender::setPen(const RptPen& p) {
    line("pen colour ") << color(p.color) << " mode " << int(p.mode) << " style " << int(p.style)
                        << " width " << num(p.width) << '\n';
}
void RptDumpRender::setPenColor(int32_t c) {
    line("pen colour ") << color(c) << '\n';
}
void RptDumpRender::setPenMode(uint8_t v) {
    line("pen mode ") << int(v) << '\n';
}
void RptDumpRender::setPenStyle(uint8_t v) {
    line("pen style ") << int(v) << '\n';
}
void RptDumpRender::setPenWidth(float w) {
    line("pen width ") << num(w) << '\n';
}
void RptDumpRender::setBrush(const RptBrush& b) {
    line("brush colour ") << color(b.color) << " style " << int(b.style) << " bitmap "
                          << (b.bitmap ? graphic(*b.bitmap) : std::string("none")) << '\n';
}
void RptDumpRender::setBrushColor(int32_t c) {
    line("brush colour ") << color(c) << '\n';
}
void RptDumpRender::setBrushStyle(uint8_t v) {
    line("brush style ") << int(v) << '\n';
}
void RptDumpRender::setBrushBitmap(const std::optional<RptGraphic>& b) {
    line("brush bitmap ") << (b ? graphic(*b) : std::string("none")) << '\n';
}

void RptDumpRender::setScaleX(float v) {
    line("horizontal scale ") << num(v) << '\n';
}
void RptDumpRender::setScaleY(float v) {
    line("vertical scale ") << num(v) << '\n';
}
void RptDumpRender::setBackgroundMode(uint8_t v) {
    line("background mode ") << int(v) << '\n';
}
void RptDumpRender::setFrameMode(uint8_t v) {
    line("frame mode ") << int(v) << '\n';
}
void RptDumpRender::setLineSpacing(float a, float b, float c) {
    line("line spacing ") << num(a) << ' ' << num(b) << ' ' << num(c) << '\n';
}
void RptDumpRender::setReportVariable(const std::string& name, const std::string& value) {
    line("variable ") << quoted(name) << " = " << quoted(value) << '\n';
}

void RptDumpRender::skipped(const RptSkipped& s) {
    std::ostream& o = line("skipped");
    for (double v : s.numbers)
        o << ' ' << num(v);
    if (!s.text.empty() || s.code == 30 || s.code == 88 || s.code == 36)
        o << ' ' << quoted(s.text);
    if (s.code == 36)
        o << ' ' << s.data.size() << " bytes";
    o << '\n';
}

} // namespace zamt
