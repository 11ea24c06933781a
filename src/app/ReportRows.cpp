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
        const std::vector<TextLineSpan> spans = breaker->lines(line);
        if (spans.empty())
            add(line);
        for (const TextLineSpan& span : spans)
            add(QStringView(line).mid(span.start, span.length));
    }
    return rows;
}

} // namespace zamt
