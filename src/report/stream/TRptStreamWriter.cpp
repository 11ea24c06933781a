#include "report/stream/TRptStreamWriter.h"

#include "platform/AppError.h"
#include "report/stream/RptCodes.h"

#include <QCryptographicHash>
#include <stdexcept>

namespace zamt {
namespace {

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

void TRptStreamWriter::setDeviceNames(QString device, QString driver, QString port) {
    status_.device = std::move(device);
    status_.driver = std::move(driver);
    status_.port = std::move(port);
}

QString TRptStreamWriter::statusLine() const {
    RptStatusValues values = status_;
    values.page = currentPage_;
    values.firstPage = header_.firstPage;
    values.lastPage = header_.lastPage;
    return rptStatusText(statusFormat_, values);
}

void TRptStreamWriter::reportStatus() {
    if (!statusSink_)
        return;
    statusSink_(statusLine());
    // The status window repaints and its Cancel button can be pressed; a
    // click there comes back through abort().
    events_.pump();
}

void TRptStreamWriter::abort() {
    aborted_ = true;
    if (pageOpen_)
        pageInvalid_ = true;
}

// ---------------------------------------------------------------- the job

void TRptStreamWriter::beginJob() {
    if (jobOpen_)
        throw std::logic_error("report job already begun");
    if (output_->isSequential() || !output_->isWritable())
        throw AppError(QStringLiteral("The page file cannot be written."));
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
    pageInvalid_ = aborted_;
    pageOut_ = range_.contains(currentPage_);
    reportStatus();
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
    // Its link to the next block is patched when that block is complete.
    out.holdFrom(lastBlock_ + 5);
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

} // namespace zamt
