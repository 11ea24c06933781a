#include "app/ReportRows.h"

#include "app/DisplayedLines.h"
#include "app/ParagraphBreaker.h"
#include "platform/CodePage.h"

#include <QFont>
#include <QTextOption>
#include <cmath>
#include <memory>

namespace zamt {
namespace {

// Fine enough that the breaks do not hang on the rounding of glyph widths
// to pixels.
constexpr double kPixelsPerInch = 1200;

std::unique_ptr<ParagraphBreaker> breakerFor(const RptColumnSpace& space) {
    QFont font(fromCp1251(space.font.name));
    font.setPixelSize(std::max(1, int(std::lround(space.font.size / 72.0 * kPixelsPerInch))));
    font.setBold(space.font.bold);
    font.setItalic(space.font.italic);
    font.setUnderline(space.font.underline);
    // The outlines' own widths, not those fitted to a screen's pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const int width = std::max(1, int(std::floor(space.width * kPixelsPerInch)));
    return std::make_unique<ParagraphBreaker>(font, option, 0, width);
}

// A text layout costs more than its length: a long line is laid out a
// piece at a time. The last row of a piece may hold a word the piece cut,
// so the next piece starts with it; the rows before it are those of the
// whole line, as a row is ended by what follows it, which is in the piece.
constexpr qsizetype kPiece = 2 * DisplayedLines::kMaxLineLength;

template <class Add> void breakLine(const ParagraphBreaker& breaker, const QString& line, Add add) {
    if (line.isEmpty()) {
        add(QStringView(line));
        return;
    }
    for (qsizetype from = 0; from < line.size();) {
        const QStringView piece = QStringView(line).mid(from, kPiece);
        const bool lastPiece = from + piece.size() == line.size();
        const std::vector<TextLineSpan> spans = breaker.lines(piece.toString());
        const size_t whole = lastPiece || spans.size() < 2 ? spans.size() : spans.size() - 1;
        for (size_t i = 0; i < whole; ++i)
            add(piece.mid(spans[i].start, spans[i].length));
        from += whole < spans.size() ? spans[whole].start : piece.size();
    }
}

} // namespace

std::vector<std::string> reportRows(const QString& text,
                                    const std::optional<RptColumnSpace>& space) {
    const std::unique_ptr<ParagraphBreaker> breaker = space ? breakerFor(*space) : nullptr;
    std::vector<std::string> rows;
    const auto add = [&rows](QStringView row) {
        rows.push_back(toCp1251(row.left(DisplayedLines::kMaxLineLength).toString()));
    };
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QString line = text.mid(start, end - start);
        start = end + 1;
        if (!breaker || breaker->fitsOnOneLine(line)) {
            add(line);
            continue;
        }
        breakLine(*breaker, line, add);
    }
    return rows;
}

} // namespace zamt
