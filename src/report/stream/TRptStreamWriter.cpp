#include "report/stream/TRptStreamWriter.h"

#include "platform/AppError.h"
#include "report/stream/RptCodes.h"
#include "report/stream/RptNames.h"

#include <QCryptographicHash>
#include <stdexcept>

namespace zamt {
namespace {

uint8_t flagByte(bool on) {
    return on ? 1 : 0;
}

// Pictures are recognised by kind and content; a digest keeps the table small.
QByteArray pictureKey(const RptGraphic& graphic) {
    QByteArray key = QCryptographicHash::hash(graphic.data, QCryptographicHash::Sha256);
    key.prepend(char(graphic.kind));
    return key;
}

} // namespace

TRptStreamWriter::TRptStreamWriter(QIODevice* output) : output_(output) {}

TRptStreamWriter::~TRptStreamWriter() = default;

void TRptStreamWriter::setPaperSize(double width, double height) {
    header_.paperWidth = float(width);
    header_.paperHeight = float(height);
    pageWidth_ = float(width);
    pageHeight_ = float(height);
}

void TRptStreamWriter::setUnprintableMargins(double left, double right, double top, double bottom) {
    header_.marginLeft = float(left);
    header_.marginRight = float(right);
    header_.marginTop = float(top);
    header_.marginBottom = float(bottom);
}

void TRptStreamWriter::setPaperSizeCode(int code, int width, int length) {
    header_.paperSize = code;
    header_.paperSizeWidth = width;
    header_.paperSizeLength = length;
}

// ---------------------------------------------------------------- the job

void TRptStreamWriter::beginJob() {
    if (jobOpen_)
        throw std::logic_error("report job already begun");
    sink_ = std::make_unique<RptByteSink>(output_);
    range_ = RptPageRange(header_.firstPage, header_.lastPage, selection_);
    jobOpen_ = true;
    currentPage_ = 0;
    pagesOutput_ = 0;
    lastBlock_ = 0;
    pictures_.clear();
    values_.clear();

    RptByteSink& out = *sink_;
    header_.code = RptCode::HeaderCurrent;
    header_.version = RptCode::WriterVersion;
    header_.pageCount = 0;
    out.putByte(RptCode::HeaderCurrent);
    out.putInt16(RptCode::WriterVersion);
    putString(header_.title);
    pageCountPos_ = out.pos();
    out.putInt16(0);
    out.putInt16(int16_t(header_.firstPage));
    out.putInt16(int16_t(header_.lastPage));
    out.putSingle(header_.paperWidth);
    out.putSingle(header_.paperHeight);
    out.putSingle(header_.marginLeft);
    out.putSingle(header_.marginRight);
    out.putSingle(header_.marginTop);
    out.putSingle(header_.marginBottom);
    out.putByte(header_.orientation);
    out.putInt16(int16_t(header_.paperBin));
    out.putByte(header_.collate);
    out.putByte(header_.duplex);
    out.putInt16(int16_t(header_.copies));
    out.putInt16(int16_t(header_.paperSize));
    out.putInt16(int16_t(header_.paperSizeWidth));
    out.putInt16(int16_t(header_.paperSizeLength));
    putString(header_.outputName);
}

void TRptStreamWriter::beginPage() {
    if (!jobOpen_ || pageOpen_)
        throw std::logic_error("page begun outside a job or inside a page");
    ++currentPage_;
    pageOpen_ = true;
    pageInvalid_ = false;
    pageOut_ = range_.contains(currentPage_);
    if (!pageOut_)
        return;
    if (pagesOutput_ >= 32767)
        throw AppError(QStringLiteral("The report has more pages than a page file can hold."));

    RptByteSink& out = *sink_;
    pageStart_ = out.pos();
    out.putByte(RptCode::Page);
    out.putInt32(int32_t(lastBlock_));
    out.putInt32(0); // the next block's position, patched when that block is complete
    out.putInt16(int16_t(currentPage_));
    out.putSingle(pageWidth_);
    out.putSingle(pageHeight_);
    writeFullState();
}

void TRptStreamWriter::endPage() {
    if (!pageOpen_)
        throw std::logic_error("page ended without being begun");
    pageOpen_ = false;
    if (!pageOut_)
        return;
    pageOut_ = false;
    RptByteSink& out = *sink_;
    if (pageInvalid_) {
        // Forget the block and whatever it wrote first, so no later
        // reference points into it.
        out.truncate(pageStart_);
        for (auto it = pictures_.begin(); it != pictures_.end();)
            it = it.value() >= pageStart_ ? pictures_.erase(it) : std::next(it);
        std::erase_if(values_, [this](const auto& entry) { return entry.second >= pageStart_; });
        return;
    }
    out.putByte(RptCode::EndPage);
    if (lastBlock_ != 0)
        out.patchInt32(lastBlock_ + 5, int32_t(pageStart_));
    lastBlock_ = pageStart_;
    ++pagesOutput_;
}

void TRptStreamWriter::endJob() {
    if (!jobOpen_)
        throw std::logic_error("report job ended without being begun");
    if (pageOpen_)
        endPage();
    sink_->patchInt16(pageCountPos_, int16_t(pagesOutput_));
    sink_->finish();
    header_.pageCount = pagesOutput_;
    jobOpen_ = false;
}

void TRptStreamWriter::markPageInvalid() {
    pageInvalid_ = true;
}

void TRptStreamWriter::requirePage(const char* what) const {
    if (!pageOpen_)
        throw std::logic_error(std::string(what) + " outside a page");
}

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
    sink_->putByte(flagByte(current_.font.*field));
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
    sink_->putByte(flagByte(current_.brush.bitmap.has_value()));
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

// ------------------------------------------------------------ operands

void TRptStreamWriter::putString(std::string_view text) {
    RptByteSink& out = *sink_;
    const size_t length = text.size();
    if (length > size_t(RptCode::MaxStringLength))
        throw AppError(
            QStringLiteral("A text of %1 characters is too long for a page file.").arg(length));
    if (length < 192) {
        out.putByte(uint8_t(length));
    } else {
        out.putByte(uint8_t(192 + length / 256));
        out.putByte(uint8_t(length % 256));
    }
    out.putBytes(text.data(), qint64(length));
}

void TRptStreamWriter::putPoint(double x, double y) {
    sink_->putSingle(float(x));
    sink_->putSingle(float(y));
}

void TRptStreamWriter::putRect(const RptRect& rect) {
    putPoint(rect.x1, rect.y1);
    putPoint(rect.x2, rect.y2);
}

void TRptStreamWriter::putGraphic(const RptGraphic& graphic) {
    if (graphic.kind == 0 || graphic.kind >= RptCode::GraphicReuse)
        throw std::invalid_argument("picture kind out of range");
    RptByteSink& out = *sink_;
    const QByteArray key = pictureKey(graphic);
    if (const auto earlier = pictures_.constFind(key); earlier != pictures_.constEnd()) {
        out.putByte(uint8_t(graphic.kind | RptCode::GraphicReuse));
        out.putInt32(int32_t(earlier.value()));
        return;
    }
    out.putByte(graphic.kind);
    const qint64 at = out.pos();
    out.putInt32(int32_t(graphic.data.size()));
    out.putBytes(graphic.data.constData(), graphic.data.size());
    pictures_.insert(key, at);
}

void TRptStreamWriter::putTextRecord(uint8_t code, double x, double y, std::string_view text) {
    // Baseline first, then the text, then x: the layout of 23, 24, 25, 33.
    sink_->putByte(code);
    sink_->putSingle(float(y));
    putString(text);
    sink_->putSingle(float(x));
}

void TRptStreamWriter::putPoints(uint8_t code, std::span<const RptPoint> points) {
    if (points.empty() || points.size() > 32768)
        throw std::invalid_argument("a polygon needs 1 to 32768 points");
    sink_->putByte(code);
    sink_->putInt16(int16_t(points.size() - 1));
    for (const RptPoint& p : points)
        putPoint(p.x, p.y);
}

void TRptStreamWriter::putArc(uint8_t code, const RptArc& arc) {
    sink_->putByte(code);
    putRect(arc.bounds);
    putPoint(arc.start.x, arc.start.y);
    putPoint(arc.end.x, arc.end.y);
}

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

// ------------------------------------------------------------ macros

std::string TRptStreamWriter::pageMacro(int index) {
    std::string text(1, RptCode::MacroStart);
    text += "$PGCM";
    text += char('0' + (index / 10) % 10);
    text += char('0' + index % 10);
    return text;
}

std::string TRptStreamWriter::variableMacro(std::string_view name) {
    std::string text(1, RptCode::MacroStart);
    text += "$PGCV";
    text += RptCode::MacroNameStart;
    text += name;
    text += RptCode::MacroNameEnd;
    return text;
}

} // namespace zamt
