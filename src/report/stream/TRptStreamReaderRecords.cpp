// The records inside a page and their operands.
#include "platform/AppError.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptErrors.h"
#include "report/stream/RptNames.h"
#include "report/stream/RptPageMacros.h"
#include "report/stream/TRptRender.h"
#include "report/stream/TRptStreamReader.h"

#include <cstdlib>
#include <cstring>

namespace zamt {
namespace {

// Variable values refer back to earlier values; a chain this long is not
// something our writer makes.
constexpr int MaxValueDepth = 16;
// Fonts handed on keep at most this many characters of their name.
constexpr size_t MaxFontName = 60;

} // namespace

void TRptStreamReader::replayRecord(uint8_t code, TRptRender& r) {
    namespace C = RptCode;
    switch (code) {
    case C::Arc:
        r.arc(readArc());
        break;
    case C::Chord:
        r.chord(readArc());
        break;
    case C::Pie:
        r.pie(readArc());
        break;
    case C::DrawPicture: {
        const RptGraphic g = readGraphic();
        r.drawPicture(g, readPoint());
        break;
    }
    case C::Ellipse:
        r.ellipse(readRect());
        break;
    case C::FillRect:
        r.fillRect(readRect());
        break;
    case C::LineTo:
        r.lineTo(readPoint());
        break;
    case C::MoveTo:
        r.moveTo(readPoint());
        break;
    case C::Polygon:
        r.polygon(readPoints());
        break;
    case C::Polyline:
        r.polyline(readPoints());
        break;
    case C::StretchBitmapArea: {
        const RptGraphic g = readGraphic();
        const RptPoint at = readPoint();
        const float width = in_.single();
        r.stretchBitmapArea(g, at, width, in_.single());
        break;
    }
    case C::StretchBitmap: {
        const RptGraphic g = readGraphic();
        r.stretchBitmap(g, readRect());
        break;
    }
    case C::Rectangle:
    case C::RectangleAlt:
        r.rectangle(readRect());
        break;
    case C::RoundRect: {
        const RptRect rect = readRect();
        const float width = in_.single();
        r.roundRect(rect, width, in_.single());
        break;
    }
    case C::StretchPicture: {
        const RptGraphic g = readGraphic();
        r.stretchPicture(g, readRect());
        break;
    }
    case C::TextClipped:
    case C::TextCenter:
    case C::TextLeft:
    case C::TextRight:
    case C::TextWidthOld:
    case C::TextWidth: {
        RptText text = readText(code);
        expandText(text, r);
        r.text(text);
        break;
    }
    case C::BackgroundMode:
        r.setBackgroundMode(in_.byte());
        break;
    case C::ScaleX:
        r.setScaleX(in_.single());
        break;
    case C::ScaleY:
        r.setScaleY(in_.single());
        break;
    case C::FrameMode:
        r.setFrameMode(in_.byte());
        break;
    case C::Variable:
        readVariable(r);
        break;
    case C::Brush: {
        RptBrush brush;
        brush.color = in_.int32();
        brush.style = in_.byte();
        if (in_.byte() != 0)
            brush.bitmap = readGraphic();
        r.setBrush(brush);
        break;
    }
    case C::BrushColor:
        r.setBrushColor(in_.int32());
        break;
    case C::BrushStyle:
        r.setBrushStyle(in_.byte());
        break;
    case C::BrushBitmap: {
        std::optional<RptGraphic> bitmap;
        if (in_.byte() != 0)
            bitmap = readGraphic();
        r.setBrushBitmap(bitmap);
        break;
    }
    case C::Font: {
        RptFont font;
        font.name = readString().substr(0, MaxFontName);
        font.color = in_.int32();
        font.pitch = in_.byte();
        if (header_.version >= C::VersionFontCharset)
            font.charset = in_.byte();
        font.height = in_.single();
        font.bold = in_.byte() != 0;
        font.italic = in_.byte() != 0;
        font.strikeOut = in_.byte() != 0;
        in_.byte(); // kept by the format, not used
        if (header_.version >= C::VersionPrinterFields)
            font.rotation = in_.int16();
        r.setFont(font);
        break;
    }
    case C::FontName:
        r.setFontName(readString().substr(0, MaxFontName));
        break;
    case C::FontColor:
        r.setFontColor(in_.int32());
        break;
    case C::FontPitch:
        r.setFontPitch(in_.byte());
        break;
    case C::FontHeight: {
        const float height = in_.single();
        const float height2 = header_.version >= C::VersionPrinterFields ? in_.single() : 0.0f;
        r.setFontHeight(height, height2);
        break;
    }
    case C::Bold:
        r.setBold(in_.byte() != 0);
        break;
    case C::Underline:
        r.setUnderline(in_.byte() != 0);
        break;
    case C::Italic:
        r.setItalic(in_.byte() != 0);
        break;
    case C::StrikeOut:
        r.setStrikeOut(in_.byte() != 0);
        break;
    case C::Superscript:
        r.setSuperscript(in_.byte() != 0);
        break;
    case C::Subscript:
        r.setSubscript(in_.byte() != 0);
        break;
    case C::FontRotation:
        r.setFontRotation(in_.int16());
        break;
    case C::FontAttribute:
        r.setFontAttribute(in_.byte());
        break;
    case C::FontCharset:
        r.setFontCharset(in_.byte());
        break;
    case C::Pen: {
        RptPen pen;
        pen.color = in_.int32();
        pen.mode = in_.byte();
        pen.style = in_.byte();
        pen.width = in_.single();
        r.setPen(pen);
        break;
    }
    case C::PenColor:
        r.setPenColor(in_.int32());
        break;
    case C::PenMode:
        r.setPenMode(in_.byte());
        break;
    case C::PenStyle:
        r.setPenStyle(in_.byte());
        break;
    case C::PenWidth:
        r.setPenWidth(in_.single());
        break;
    case C::LineSpacing:
        for (float& value : lineSpacing_)
            value = in_.single();
        r.setLineSpacing(lineSpacing_[0], lineSpacing_[1], lineSpacing_[2]);
        break;
    default:
        readSkipped(code, r);
        break;
    }
}

// Records read past: their operands go to the renderer as numbers, a string
// and a block of data.
void TRptStreamReader::readSkipped(uint8_t code, TRptRender& r) {
    RptSkipped s;
    s.code = code;
    auto singles = [&](int count) {
        for (int i = 0; i < count; ++i)
            s.numbers.push_back(in_.single());
    };
    switch (code) {
    case 2: // rectangle, rectangle, int32
        singles(8);
        s.numbers.push_back(in_.int32());
        break;
    case 4: // rectangle, int32, rectangle
        singles(4);
        s.numbers.push_back(in_.int32());
        singles(4);
        break;
    case 6:
    case 10: // rectangle
        singles(4);
        break;
    case 9: // x, y, int32, int32
        singles(2);
        s.numbers.push_back(in_.int32());
        s.numbers.push_back(in_.int32());
        break;
    case 27:
    case 31:
        s.numbers.push_back(in_.int32());
        break;
    case 30:
    case 88:
        s.text = readString();
        break;
    case 34:
    case 87:
        s.numbers.push_back(in_.byte());
        break;
    case 36: { // embedded data, a string, four singles
        const qint32 size = in_.int32();
        s.data = in_.bytes(size);
        s.text = readString();
        singles(4);
        break;
    }
    case 84:
    case 85:
    case 86:
        break;
    default:
        rptUnexpectedCode(code);
    }
    r.skipped(s);
}

// ---------------------------------------------------------------- operands

std::string TRptStreamReader::readString() {
    return in_.string(header_.version >= RptCode::VersionLongStrings);
}

RptPoint TRptStreamReader::readPoint() {
    RptPoint p;
    p.x = in_.single();
    p.y = in_.single();
    return p;
}

RptRect TRptStreamReader::readRect() {
    RptRect r;
    r.x1 = in_.single();
    r.y1 = in_.single();
    r.x2 = in_.single();
    r.y2 = in_.single();
    return r;
}

RptArc TRptStreamReader::readArc() {
    RptArc a;
    a.bounds = readRect();
    a.start = readPoint();
    a.end = readPoint();
    return a;
}

std::vector<RptPoint> TRptStreamReader::readPoints() {
    const int n = in_.int16();
    if (n < 0)
        rptDamaged(QStringLiteral("a polygon has a negative point count"));
    const qint64 count = qint64(n) + 1;
    if (count * 8 > in_.remaining())
        RptByteSource::readError();
    std::vector<RptPoint> points;
    points.reserve(size_t(count));
    for (qint64 i = 0; i < count; ++i)
        points.push_back(readPoint());
    return points;
}

namespace {
constexpr qint64 kNoLimit = -1;
}

RptGraphic TRptStreamReader::readGraphic() {
    const qint64 kindPos = in_.pos();
    const uint8_t kind = in_.byte();
    RptGraphic g;
    g.kind = kind & 0x7F;
    if ((kind & RptCode::GraphicReuse) == 0) {
        g.dataPosition = in_.pos();
        g.data = pictureAt(g.dataPosition, kNoLimit);
        return g;
    }
    // The data must lie wholly before this record.
    const qint64 at = in_.int32();
    const qint64 resume = in_.pos();
    if (at < 0 || at + 4 > kindPos)
        rptDamaged(
            QStringLiteral("a picture refers to data at %1, not before %2").arg(at).arg(kindPos));
    in_.seek(at);
    g.data = pictureAt(at, kindPos);
    g.dataPosition = at;
    g.reused = true;
    in_.seek(resume);
    return g;
}

// The picture data whose size field stands at the position; the reader
// then stands after it. Reused data must end before `limit`. Data met once
// is kept, so that every later reuse shares it instead of reading and
// copying it again.
QByteArray TRptStreamReader::pictureAt(qint64 position, qint64 limit) {
    const auto known = pictures_.constFind(position);
    const qint64 size = known != pictures_.cend() ? known->size() : in_.int32();
    if (limit != kNoLimit && (size < 0 || size > limit - position - 4))
        rptDamaged(QStringLiteral("a picture refers to data at %1, not before %2")
                       .arg(position)
                       .arg(limit));
    if (known != pictures_.cend()) {
        in_.seek(position + 4 + size);
        return *known;
    }
    const QByteArray data = in_.bytes(size);
    pictures_.insert(position, data);
    return data;
}

// A value: size byte s, length byte k and s bytes; the text is the first k of
// them, or with k of 254 or more they hold the position of an earlier value.
std::string TRptStreamReader::readValue(int depth) {
    const qint64 valuePos = in_.pos();
    const int size = in_.byte();
    const int length = in_.byte();
    const QByteArray bytes = in_.bytes(size);
    if (length < 254) {
        if (length > size)
            rptDamaged(
                QStringLiteral("a variable value at %1 is longer than its data").arg(valuePos));
        return std::string(bytes.constData(), size_t(length));
    }
    if (size < 4)
        rptDamaged(QStringLiteral("a variable value at %1 has no reference").arg(valuePos));
    int32_t stored;
    std::memcpy(&stored, bytes.constData(), 4);
    const qint64 at = std::llabs(qint64(stored));
    if (at >= valuePos)
        rptDamaged(
            QStringLiteral("a variable value refers to %1, not before %2").arg(at).arg(valuePos));
    if (depth >= MaxValueDepth)
        rptDamaged(QStringLiteral("variable values refer to each other too deeply"));
    const qint64 resume = in_.pos();
    in_.seek(at);
    std::string value = readValue(depth + 1);
    in_.seek(resume);
    return value;
}

void TRptStreamReader::readVariable(TRptRender& r) {
    std::string name = readString();
    std::string value = readValue(0);
    r.setReportVariable(name, value);
    const QString key = rptNameKey(name);
    variables_.insert(key, Variable{std::move(name), std::move(value)});
}

RptText TRptStreamReader::readText(uint8_t code) {
    RptText t;
    t.code = code;
    if (code == RptCode::TextClipped) {
        t.clip = readRect();
        const RptPoint at = readPoint();
        t.x = at.x;
        t.y = at.y;
        t.raw = readString();
        return t;
    }
    t.y = in_.single();
    t.raw = readString();
    t.x = in_.single();
    if (code == RptCode::TextWidth || code == RptCode::TextWidthOld)
        t.width = in_.single();
    return t;
}

void TRptStreamReader::expandText(RptText& text, const TRptRender& renderer) const {
    const std::string_view raw = text.raw;
    const bool commands = raw.find(RptCode::InlineCommand) != std::string_view::npos;
    const bool macros = raw.find(RptMacro::Start) != std::string_view::npos;
    if (!commands && !macros) {
        // The common case: one plain run.
        if (!raw.empty())
            text.runs.push_back(text.raw);
        return;
    }
    if (!macros) {
        text.runs = rptTextRuns(raw);
        return;
    }
    RptMacroValues values;
    values.reportTime = reportTime_;
    values.locale = locale_;
    values.firstPage = header_.firstPage;
    values.lastPage = header_.lastPage;
    values.pageCount = header_.pageCount;
    values.pageNumber = current_.number;
    // The stream keeps no sections: the whole report is one.
    values.sectionPage = current_.number;
    values.renderer = &renderer;
    values.variable = [this](std::string_view name) { return variable(name); };
    for (std::string& run : rptTextRuns(text.raw))
        text.runs.push_back(rptExpandMacros(run, values));
}

} // namespace zamt
