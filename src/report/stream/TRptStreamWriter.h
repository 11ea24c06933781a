#pragma once
// Writes a report as a page stream: a header, then one block per output page
// holding the page's drawing and state records. The page producer draws in
// inches from the top-left corner of the paper; texts are Windows-1251.
//
// Every page block starts with the whole drawing state (font, pen, brush,
// scale factors, text background mode, report variables) so that it can be
// drawn on its own; within a page a state record is written only when the
// value differs from the one last written. Pictures written before are
// referred to by position instead of being written again. Pages outside the
// page range, and pages marked invalid before they end, leave no block.
// Texts may carry page macros, made by rptPageMacro and rptVariableMacro
// (RptPageMacros.h).
//
// While a status sink is attached, every page that begins sends the status
// text to it, and now and then the program handles pending events
// (RptEventPump), so that a status window repaints and its "Cancel" can be
// pressed; abort() then makes the page being generated, and every later
// one, leave no block.
//
// Write failures raise AppError "Stream write error".
#include "report/stream/RptByteSink.h"
#include "report/stream/RptPageRange.h"
#include "report/stream/RptStatusText.h"
#include "report/stream/RptThrottle.h"
#include "report/stream/RptTypes.h"

#include <QHash>
#include <QIODevice>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zamt {

// Settings the page producer lays its pages out by; the writer only carries
// them. Lengths in inches.
struct RptLayoutSettings {
    double marginLeft = 0;
    double marginRight = 0;
    double marginTop = 0;
    double marginBottom = 0;
    double unitsFactor = 1.0; // the producer's units per inch
    int lineHeightMethod = 0; // 0 from the font, 1 from linesPerInch, 2 the producer's own
    int linesPerInch = 6;
    int tabShade = 0;       // percent
    int accuracyMethod = 0; // 0 positioning, 1 appearance
};

class TRptStreamWriter {
public:
    // The stream starts where `output` stands; the device must be seekable
    // (page links and the page count are patched in place).
    explicit TRptStreamWriter(QIODevice* output);
    ~TRptStreamWriter();
    TRptStreamWriter(const TRptStreamWriter&) = delete;
    TRptStreamWriter& operator=(const TRptStreamWriter&) = delete;

    // Job settings; they go into the header when the job begins.
    void setTitle(std::string title) { header_.title = std::move(title); }
    void setFirstPage(int page) { header_.firstPage = page; }
    void setLastPage(int page) { header_.lastPage = page; }
    void setSelection(std::string selection) { selection_ = std::move(selection); }
    // Also the paper size of the pages begun afterwards.
    void setPaperSize(double width, double height);
    void setUnprintableMargins(double left, double right, double top, double bottom);
    void setOrientation(int orientation) { header_.orientation = uint8_t(orientation); }
    void setPaperBin(int bin) { header_.paperBin = bin; }
    void setCollate(bool collate) { header_.collate = collate ? 1 : 0; }
    void setDuplex(int duplex) { header_.duplex = uint8_t(duplex); }
    void setCopies(int copies) { header_.copies = copies; }
    // The printer's paper size code and its size in tenths of a millimetre.
    void setPaperSizeCode(int code, int width, int length);
    void setOutputName(std::string name) { header_.outputName = std::move(name); }
    const RptStreamHeader& header() const { return header_; }
    void setLayout(const RptLayoutSettings& layout) { layout_ = layout; }
    const RptLayoutSettings& layout() const { return layout_; }

    // The status text: a format with the macros of rptStatusText, its lines
    // for %0 to %9, and the output device's names for %D, %R and %T.
    void setStatusFormat(QString format) { statusFormat_ = std::move(format); }
    void setStatusText(QStringList lines) { status_.lines = std::move(lines); }
    void setDeviceNames(QString device, QString driver, QString port);
    // The status text for the current page.
    QString statusLine() const;
    using StatusSink = std::function<void(const QString& text)>;
    void setStatusSink(StatusSink sink) { statusSink_ = std::move(sink); }

    // The user cancelled: the page being generated and every later one
    // leave no block. Producers stop when aborted() turns true.
    void abort();
    bool aborted() const { return aborted_; }

    // The job: beginJob, then beginPage/endPage for every page, then endJob,
    // which writes the number of pages output into the header.
    void beginJob();
    void beginPage();
    void endPage();
    void endJob();
    // The page being generated was cancelled: it leaves no block.
    void markPageInvalid();

    int currentPage() const { return currentPage_; }

    // Drawing state.
    void setFont(const RptFont& font);
    void setFontName(std::string_view name);
    void setFontColor(int32_t color);
    void setFontPitch(int pitch);
    void setFontHeight(double inches);
    void setFontSize(double points) { setFontHeight(points / 72.0); }
    void setBold(bool on);
    void setUnderline(bool on);
    void setItalic(bool on);
    void setStrikeOut(bool on);
    void setSuperscript(bool on);
    void setSubscript(bool on);
    void setFontRotation(int degrees);
    void setFontAttribute(int attribute);
    void setFontCharset(int charset);
    const RptFont& font() const { return current_.font; }

    void setPen(const RptPen& pen);
    void setPenColor(int32_t color);
    void setPenMode(int mode);
    void setPenStyle(int style);
    void setPenWidth(double inches);
    const RptPen& pen() const { return current_.pen; }

    void setBrush(const RptBrush& brush);
    // Also drops the brush bitmap.
    void setBrushColor(int32_t color);
    void setBrushStyle(int style);
    void setBrushBitmap(std::optional<RptGraphic> bitmap);
    const RptBrush& brush() const { return current_.brush; }

    void setScale(double xPercent, double yPercent);
    void setTextBackgroundMode(int mode);
    // A report variable; names compare without regard to case. Values hold
    // at most 253 bytes.
    void setReportVariable(std::string_view name, std::string_view value);

    // Records that are not part of the repeated state.
    void setFrameMode(int mode);
    void setLineSpacing(double a, double b, double c);

    // Drawing; positions in inches. Texts stand on the baseline y.
    void text(double x, double y, std::string_view text, RptAlign align = RptAlign::Left);
    void textClipped(const RptRect& clip, double x, double y, std::string_view text);
    void textWithWidth(double x, double y, std::string_view text, double width);
    void moveTo(double x, double y);
    void lineTo(double x, double y);
    void line(double x1, double y1, double x2, double y2);
    void rectangle(const RptRect& rect);
    void fillRect(const RptRect& rect);
    void ellipse(const RptRect& rect);
    void roundRect(const RptRect& rect, double cornerWidth, double cornerHeight);
    void arc(const RptArc& arc);
    void chord(const RptArc& chord);
    void pie(const RptArc& pie);
    // At least one point, at most 32768.
    void polygon(std::span<const RptPoint> points);
    void polyline(std::span<const RptPoint> points);
    // The picture in its own size at x, y.
    void drawPicture(const RptGraphic& picture, double x, double y);
    void stretchPicture(const RptGraphic& picture, const RptRect& rect);
    void stretchBitmap(const RptGraphic& bitmap, const RptRect& rect);
    void stretchBitmapArea(const RptGraphic& bitmap, double x, double y, double width,
                           double height);
    // Data carried along for other programs; nothing is drawn.
    void embedData(const QByteArray& data, std::string_view text, const RptRect& area);

private:
    struct DrawState {
        RptFont font;
        RptPen pen;
        RptBrush brush;
        float scaleX = 100;
        float scaleY = 100;
        uint8_t backgroundMode = 0;
    };
    struct Variable {
        std::string name;
        QString key;
        std::string value;
        bool written = false; // in the current page
        std::string writtenValue;
    };

    void requirePage(const char* what) const;
    void reportStatus();
    void writeFullState();
    void writeFontName();
    void writeFontHeight();
    void writeFontFlag(uint8_t code, bool RptFont::*field);
    void writeFontByte(uint8_t code, uint8_t RptFont::*field);
    void writeFontColor();
    void writeFontRotation();
    void writePenColor();
    void writePenByte(uint8_t code, uint8_t RptPen::*field);
    void writePenWidth();
    void writeBrushColor();
    void writeBrushStyle();
    void writeBrushBitmap();
    void writeScaleX();
    void writeScaleY();
    void writeBackgroundMode();
    void writeVariable(Variable& variable);

    void putString(std::string_view text);
    void putPoint(double x, double y);
    void putRect(const RptRect& rect);
    void putGraphic(const RptGraphic& graphic);
    void putTextRecord(uint8_t code, double x, double y, std::string_view text);
    void putPoints(uint8_t code, std::span<const RptPoint> points);
    void putArc(uint8_t code, const RptArc& arc);

    QIODevice* output_;
    std::unique_ptr<RptByteSink> sink_;
    RptStreamHeader header_;
    std::string selection_;
    RptPageRange range_;
    RptLayoutSettings layout_;
    QString statusFormat_;
    RptStatusValues status_;
    StatusSink statusSink_;
    RptEventPump events_;
    bool aborted_ = false;
    float pageWidth_ = 8.5f;
    float pageHeight_ = 11.0f;

    bool jobOpen_ = false;
    bool pageOpen_ = false;
    bool pageOut_ = false;
    bool pageInvalid_ = false;
    int currentPage_ = 0;
    int pagesOutput_ = 0;
    qint64 pageCountPos_ = 0;
    qint64 pageStart_ = 0;
    qint64 lastBlock_ = 0; // position of the last page block written, 0 before the first

    DrawState current_;
    DrawState written_;
    std::vector<Variable> variables_;

    // Data written once and referred to afterwards, by where it lies.
    QHash<QByteArray, qint64> pictures_;
    std::unordered_map<std::string, qint64> values_;
};

} // namespace zamt
