#pragma once
// Replays a page stream into a renderer: the whole stream, or one page at a
// time. A page request walks the chain of previous/next links from the page
// the reader stands on (or from a page it passed earlier, whichever is
// nearer) and never scans records between pages.
//
// Damaged input never crashes, hangs or allocates beyond the input's size:
// - an unknown header code: "Unexpected header code [%d] found in report file."
// - no page code where a page must start: "Unexpected code found in report file."
// - an unknown record code: "Unexpected code [%d] found in report file."
// - a stream ending inside a field, or a size beyond the bytes that remain:
//   "Stream read error"
// - page links that leave the stream, do not agree with each other or do
//   not lead forward (backward) to the next (previous) page, and references
//   to pictures or variable values that are not to earlier data, or that
//   nest too deeply: "Report file is damaged: <what>."
// All of them are AppError.
#include "report/stream/RptByteSource.h"
#include "report/stream/RptTypes.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zamt {

class TRptRender;

class TRptStreamReader {
public:
    // `input` must be open for reading and seekable; the stream starts at
    // its position 0.
    explicit TRptStreamReader(QIODevice* input);
    ~TRptStreamReader();
    TRptStreamReader(const TRptStreamReader&) = delete;
    TRptStreamReader& operator=(const TRptStreamReader&) = delete;

    const RptStreamHeader& readHeader();
    const RptStreamHeader& header() const { return header_; }

    // Page `index` (1 = the first block of the stream, up to the header's
    // page count): the renderer gets the header, then the page. Reads the
    // header first when that has not been done.
    void replayPage(int index, TRptRender& renderer);
    // The header, then every page in order.
    void replayAll(TRptRender& renderer);
    // The page the reader stands on; 0 before the first request.
    int currentPage() const { return current_.index; }

    // The moment the page macros show as the report date and time: when the
    // reader was made, unless set. The locale gives their formats.
    void setReportTime(const QDateTime& moment) { reportTime_ = moment; }
    void setLocale(const QLocale& locale) { locale_ = locale; }

    // The value of a report variable met so far, or null.
    const std::string* variable(std::string_view name) const;
    const std::array<float, 3>& lineSpacing() const { return lineSpacing_; }

private:
    struct PageHead {
        int index = 0;
        int number = 0;
        qint64 position = 0;
        qint64 previous = 0;
        qint64 next = 0;
        float paperWidth = 0;
        float paperHeight = 0;
    };

    PageHead readHead(qint64 position, int index);
    void seekPage(int index);
    void stepForward();
    void stepBackward();
    void remember(const PageHead& head);
    void replayCurrent(TRptRender& renderer);
    void replayRecord(uint8_t code, TRptRender& renderer);

    std::string readString();
    RptPoint readPoint();
    RptRect readRect();
    RptArc readArc();
    std::vector<RptPoint> readPoints();
    RptGraphic readGraphic();
    QByteArray pictureAt(qint64 position, qint64 limit);
    std::string readValue(int depth);
    RptText readText(uint8_t code);
    void expandText(RptText& text, const TRptRender& renderer) const;
    void readVariable(TRptRender& renderer);
    void readSkipped(uint8_t code, TRptRender& renderer);

    RptByteSource in_;
    RptStreamHeader header_;
    bool headerRead_ = false;
    qint64 firstPage_ = 0; // where the first page block starts
    PageHead current_;
    // Positions of pages 1, 17, 33, ... as far as the reader has been.
    std::vector<qint64> checkpoints_;
    // Picture data by the position of its size field, read once.
    QHash<qint64, QByteArray> pictures_;

    QDateTime reportTime_;
    QLocale locale_;
    struct Variable {
        std::string name;
        std::string value;
    };
    QHash<QString, Variable> variables_;
    std::array<float, 3> lineSpacing_{};
};

} // namespace zamt
