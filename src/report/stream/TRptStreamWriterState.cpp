// The writer's drawing state: repeated whole at the start of every page
// block, and within a page written only when a value changes.
#include "platform/AppError.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptNames.h"
#include "report/stream/TRptStreamWriter.h"

namespace zamt {
namespace {

uint8_t stateFlagByte(bool on) {
    return on ? 1 : 0;
}

} // namespace
// ------------------------------------------------------------ page state

void TRptStreamWriter::writeFullState() {
    writeFontName();
    writeFontColor();
    writeFontByte(RptCode::FontPitch, &RptFont::pitch);
    writeFontHeight();
    writeFontFlag(RptCode::Bold, &RptFont::bold);
    writeFontFlag(RptCode::Underline, &RptFont::underline);
    writeFontFlag(RptCode::Italic, &RptFont::italic);
    writeFontFlag(RptCode::StrikeOut, &RptFont::strikeOut);
    writeFontFlag(RptCode::Superscript, &RptFont::superscript);
    writeFontFlag(RptCode::Subscript, &RptFont::subscript);
    writeFontRotation();
    writeFontByte(RptCode::FontAttribute, &RptFont::attribute);
    writeFontByte(RptCode::FontCharset, &RptFont::charset);
    writePenColor();
    writePenByte(RptCode::PenMode, &RptPen::mode);
    writePenByte(RptCode::PenStyle, &RptPen::style);
    writePenWidth();
    writeBrushColor();
    writeBrushStyle();
    writeBrushBitmap();
    writeScaleX();
    writeScaleY();
    writeBackgroundMode();
    for (Variable& variable : variables_) {
        variable.written = false;
        writeVariable(variable);
    }
}

void TRptStreamWriter::writeFontName() {
    sink_->putByte(RptCode::FontName);
    putString(current_.font.name);
    written_.font.name = current_.font.name;
}

void TRptStreamWriter::writeFontColor() {
    sink_->putByte(RptCode::FontColor);
    sink_->putInt32(current_.font.color);
    written_.font.color = current_.font.color;
}

void TRptStreamWriter::writeFontHeight() {
    sink_->putByte(RptCode::FontHeight);
    sink_->putSingle(current_.font.height);
    sink_->putSingle(current_.font.height2);
    written_.font.height = current_.font.height;
    written_.font.height2 = current_.font.height2;
}

void TRptStreamWriter::writeFontFlag(uint8_t code, bool RptFont::*field) {
    sink_->putByte(code);
    sink_->putByte(stateFlagByte(current_.font.*field));
    written_.font.*field = current_.font.*field;
}

void TRptStreamWriter::writeFontByte(uint8_t code, uint8_t RptFont::*field) {
    sink_->putByte(code);
    sink_->putByte(current_.font.*field);
    written_.font.*field = current_.font.*field;
}

void TRptStreamWriter::writeFontRotation() {
    sink_->putByte(RptCode::FontRotation);
    sink_->putInt16(current_.font.rotation);
    written_.font.rotation = current_.font.rotation;
}

void TRptStreamWriter::writePenColor() {
    sink_->putByte(RptCode::PenColor);
    sink_->putInt32(current_.pen.color);
    written_.pen.color = current_.pen.color;
}

void TRptStreamWriter::writePenByte(uint8_t code, uint8_t RptPen::*field) {
    sink_->putByte(code);
    sink_->putByte(current_.pen.*field);
    written_.pen.*field = current_.pen.*field;
}

void TRptStreamWriter::writePenWidth() {
    sink_->putByte(RptCode::PenWidth);
    sink_->putSingle(current_.pen.width);
    written_.pen.width = current_.pen.width;
}

void TRptStreamWriter::writeBrushColor() {
    sink_->putByte(RptCode::BrushColor);
    sink_->putInt32(current_.brush.color);
    written_.brush.color = current_.brush.color;
    written_.brush.bitmap.reset(); // the reader drops the bitmap with a colour
}

void TRptStreamWriter::writeBrushStyle() {
    sink_->putByte(RptCode::BrushStyle);
    sink_->putByte(current_.brush.style);
    written_.brush.style = current_.brush.style;
}

void TRptStreamWriter::writeBrushBitmap() {
    sink_->putByte(RptCode::BrushBitmap);
    sink_->putByte(stateFlagByte(current_.brush.bitmap.has_value()));
    if (current_.brush.bitmap)
        putGraphic(*current_.brush.bitmap);
    written_.brush.bitmap = current_.brush.bitmap;
}

void TRptStreamWriter::writeScaleX() {
    sink_->putByte(RptCode::ScaleX);
    sink_->putSingle(current_.scaleX);
    written_.scaleX = current_.scaleX;
}

void TRptStreamWriter::writeScaleY() {
    sink_->putByte(RptCode::ScaleY);
    sink_->putSingle(current_.scaleY);
    written_.scaleY = current_.scaleY;
}

void TRptStreamWriter::writeBackgroundMode() {
    sink_->putByte(RptCode::BackgroundMode);
    sink_->putByte(current_.backgroundMode);
    written_.backgroundMode = current_.backgroundMode;
}

void TRptStreamWriter::writeVariable(Variable& variable) {
    RptByteSink& out = *sink_;
    out.putByte(RptCode::Variable);
    putString(variable.name);
    const std::string& value = variable.value;
    const auto earlier = values_.find(value);
    // A reference takes six bytes; shorter values are cheaper written out.
    if (value.size() > 4 && earlier != values_.end()) {
        out.putByte(4);
        out.putByte(254);
        out.putInt32(int32_t(earlier->second));
    } else {
        const qint64 at = out.pos();
        out.putByte(uint8_t(value.size()));
        out.putByte(uint8_t(value.size()));
        out.putBytes(value.data(), qint64(value.size()));
        if (value.size() > 4)
            values_.emplace(value, at);
    }
    variable.written = true;
    variable.writtenValue = value;
}

// ------------------------------------------------------------ state setters

void TRptStreamWriter::setFont(const RptFont& font) {
    // A report sets the same font for every row: nothing to write then.
    if (font == current_.font && (!pageOut_ || written_.font == current_.font))
        return;
    setFontName(font.name);
    setFontColor(font.color);
    setFontPitch(font.pitch);
    current_.font.height2 = font.height2;
    setFontHeight(font.height);
    setBold(font.bold);
    setUnderline(font.underline);
    setItalic(font.italic);
    setStrikeOut(font.strikeOut);
    setSuperscript(font.superscript);
    setSubscript(font.subscript);
    setFontRotation(font.rotation);
    setFontAttribute(font.attribute);
    setFontCharset(font.charset);
}

void TRptStreamWriter::setFontName(std::string_view name) {
    current_.font.name = name;
    if (pageOut_ && written_.font.name != current_.font.name)
        writeFontName();
}

void TRptStreamWriter::setFontColor(int32_t color) {
    current_.font.color = color;
    if (pageOut_ && written_.font.color != color)
        writeFontColor();
}

void TRptStreamWriter::setFontPitch(int pitch) {
    current_.font.pitch = uint8_t(pitch);
    if (pageOut_ && written_.font.pitch != current_.font.pitch)
        writeFontByte(RptCode::FontPitch, &RptFont::pitch);
}

void TRptStreamWriter::setFontHeight(double inches) {
    current_.font.height = float(inches);
    if (pageOut_ && (written_.font.height != current_.font.height ||
                     written_.font.height2 != current_.font.height2))
        writeFontHeight();
}

void TRptStreamWriter::setBold(bool on) {
    current_.font.bold = on;
    if (pageOut_ && written_.font.bold != on)
        writeFontFlag(RptCode::Bold, &RptFont::bold);
}

void TRptStreamWriter::setUnderline(bool on) {
    current_.font.underline = on;
    if (pageOut_ && written_.font.underline != on)
        writeFontFlag(RptCode::Underline, &RptFont::underline);
}

void TRptStreamWriter::setItalic(bool on) {
    current_.font.italic = on;
    if (pageOut_ && written_.font.italic != on)
        writeFontFlag(RptCode::Italic, &RptFont::italic);
}

void TRptStreamWriter::setStrikeOut(bool on) {
    current_.font.strikeOut = on;
    if (pageOut_ && written_.font.strikeOut != on)
        writeFontFlag(RptCode::StrikeOut, &RptFont::strikeOut);
}

void TRptStreamWriter::setSuperscript(bool on) {
    current_.font.superscript = on;
    if (pageOut_ && written_.font.superscript != on)
        writeFontFlag(RptCode::Superscript, &RptFont::superscript);
}

void TRptStreamWriter::setSubscript(bool on) {
    current_.font.subscript = on;
    if (pageOut_ && written_.font.subscript != on)
        writeFontFlag(RptCode::Subscript, &RptFont::subscript);
}

void TRptStreamWriter::setFontRotation(int degrees) {
    current_.font.rotation = int16_t(degrees);
    if (pageOut_ && written_.font.rotation != current_.font.rotation)
        writeFontRotation();
}

void TRptStreamWriter::setFontAttribute(int attribute) {
    current_.font.attribute = uint8_t(attribute);
    if (pageOut_ && written_.font.attribute != current_.font.attribute)
        writeFontByte(RptCode::FontAttribute, &RptFont::attribute);
}

void TRptStreamWriter::setFontCharset(int charset) {
    current_.font.charset = uint8_t(charset);
    if (pageOut_ && written_.font.charset != current_.font.charset)
        writeFontByte(RptCode::FontCharset, &RptFont::charset);
}

void TRptStreamWriter::setPen(const RptPen& pen) {
    setPenColor(pen.color);
    setPenMode(pen.mode);
    setPenStyle(pen.style);
    setPenWidth(pen.width);
}

void TRptStreamWriter::setPenColor(int32_t color) {
    current_.pen.color = color;
    if (pageOut_ && written_.pen.color != color)
        writePenColor();
}

void TRptStreamWriter::setPenMode(int mode) {
    current_.pen.mode = uint8_t(mode);
    if (pageOut_ && written_.pen.mode != current_.pen.mode)
        writePenByte(RptCode::PenMode, &RptPen::mode);
}

void TRptStreamWriter::setPenStyle(int style) {
    current_.pen.style = uint8_t(style);
    if (pageOut_ && written_.pen.style != current_.pen.style)
        writePenByte(RptCode::PenStyle, &RptPen::style);
}

void TRptStreamWriter::setPenWidth(double inches) {
    current_.pen.width = float(inches);
    if (pageOut_ && written_.pen.width != current_.pen.width)
        writePenWidth();
}

void TRptStreamWriter::setBrush(const RptBrush& brush) {
    setBrushColor(brush.color);
    setBrushStyle(brush.style);
    setBrushBitmap(brush.bitmap);
}

void TRptStreamWriter::setBrushColor(int32_t color) {
    current_.brush.color = color;
    current_.brush.bitmap.reset();
    if (pageOut_ && (written_.brush.color != color || written_.brush.bitmap))
        writeBrushColor();
}

void TRptStreamWriter::setBrushStyle(int style) {
    current_.brush.style = uint8_t(style);
    if (pageOut_ && written_.brush.style != current_.brush.style)
        writeBrushStyle();
}

void TRptStreamWriter::setBrushBitmap(std::optional<RptGraphic> bitmap) {
    current_.brush.bitmap = std::move(bitmap);
    if (pageOut_ && written_.brush.bitmap != current_.brush.bitmap)
        writeBrushBitmap();
}

void TRptStreamWriter::setScale(double xPercent, double yPercent) {
    current_.scaleX = float(xPercent);
    current_.scaleY = float(yPercent);
    if (pageOut_ && written_.scaleX != current_.scaleX)
        writeScaleX();
    if (pageOut_ && written_.scaleY != current_.scaleY)
        writeScaleY();
}

void TRptStreamWriter::setTextBackgroundMode(int mode) {
    current_.backgroundMode = uint8_t(mode);
    if (pageOut_ && written_.backgroundMode != current_.backgroundMode)
        writeBackgroundMode();
}

void TRptStreamWriter::setReportVariable(std::string_view name, std::string_view value) {
    if (value.size() > size_t(RptCode::MaxVariableLength))
        throw AppError(QStringLiteral("A report variable value holds at most %1 characters.")
                           .arg(RptCode::MaxVariableLength));
    const QString key = rptNameKey(name);
    auto it = std::find_if(variables_.begin(), variables_.end(),
                           [&key](const Variable& v) { return v.key == key; });
    if (it == variables_.end()) {
        variables_.push_back({std::string(name), key, {}, false, {}});
        it = variables_.end() - 1;
    }
    it->name = name;
    it->value = value;
    if (pageOut_ && (!it->written || it->writtenValue != it->value))
        writeVariable(*it);
}

void TRptStreamWriter::setFrameMode(int mode) {
    requirePage("frame mode");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::FrameMode);
    sink_->putByte(uint8_t(mode));
}

void TRptStreamWriter::setLineSpacing(double a, double b, double c) {
    requirePage("line spacing");
    if (!pageOut_)
        return;
    sink_->putByte(RptCode::LineSpacing);
    sink_->putSingle(float(a));
    sink_->putSingle(float(b));
    sink_->putSingle(float(c));
}

} // namespace zamt
