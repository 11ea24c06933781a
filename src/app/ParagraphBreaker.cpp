#include "app/ParagraphBreaker.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <climits>

namespace zamt {
namespace {

// Characters that can break a line or change widths beyond what the font's
// advances say (tabs, separators, controls, soft hyphens).
bool needsLayout(QChar ch) {
    const char16_t code = ch.unicode();
    return code < 0x20 || (code >= 0x7f && code <= 0x9f) || code == 0xad || code == 0x2028 ||
           code == 0x2029 || code == 0xfffc;
}

// The characters of Windows-1251 text and their neighbours: scripts whose
// shaping neither joins nor reorders, without combining marks. Their shaped
// width stays close to the sum of their own advances.
bool simpleCharacter(char16_t code) {
    return (code >= 0x20 && code <= 0x7e) || (code >= 0xa0 && code <= 0x2ff) ||
           (code >= 0x400 && code <= 0x482) || (code >= 0x48a && code <= 0x4ff) ||
           (code >= 0x2010 && code <= 0x2027) || (code >= 0x2030 && code <= 0x205e) ||
           (code >= 0x20a0 && code <= 0x20cf) || (code >= 0x2100 && code <= 0x214f);
}

constexpr char16_t kCachedCodes = 0x2150;
// What characterWidth() gives for a character that has no width of its own
// to add up, and what the table holds before it is asked.
constexpr qreal kNotSimple = -2;
constexpr qreal kNeedsLayout = -3;
constexpr qreal kUnmeasured = -1;
// The sum of the characters' own advances may miss kerning; a line passes
// the cheap test only with this much room to spare, else it is shaped.
constexpr qreal kKerningAllowance = 1.1;

} // namespace

ParagraphBreaker::ParagraphBreaker(const QFont& font, const QTextOption& option, qreal margin,
                                   int width)
    : font_(font), option_(option), metrics_(font) {
    qreal extra = 0;
    if (option.flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
        extra = QFontMetrics(font).horizontalAdvance(QChar(0x21B5));
    available_ = (width <= 0 ? qreal(INT_MAX) : qreal(width)) - 2 * margin - extra;
    wraps_ =
        option.wrapMode() != QTextOption::NoWrap && option.wrapMode() != QTextOption::ManualWrap;
    // The font metrics measure as a layout does only without design metrics.
    measurable_ = !option.useDesignMetrics();
    // Character advances leave out letter and word spacing and capitals.
    const bool normalLetterSpacing =
        font.letterSpacing() == 0 ||
        (font.letterSpacingType() == QFont::PercentageSpacing && font.letterSpacing() == 100);
    perCharacter_ =
        normalLetterSpacing && font.wordSpacing() == 0 && font.capitalization() == QFont::MixedCase;
    // A line's height covers the overhang of the last glyph that line
    // breaking adds to a line's width.
    slack_ = metrics_.height();
}

qreal ParagraphBreaker::characterWidth(QChar ch) const {
    const char16_t code = ch.unicode();
    if (code >= kCachedCodes)
        return needsLayout(ch) ? kNeedsLayout : kNotSimple;
    if (widths_.empty())
        widths_.assign(kCachedCodes, kUnmeasured);
    qreal& width = widths_[code];
    if (width == kUnmeasured)
        width = needsLayout(ch)          ? kNeedsLayout
                : !simpleCharacter(code) ? kNotSimple
                                         : metrics_.horizontalAdvance(ch);
    return width;
}

bool ParagraphBreaker::fitsOnOneLine(QStringView text) const {
    if (text.isEmpty())
        return true;
    if (!measurable_)
        return false;
    // One pass over the text, a table look-up a character: it is looked
    // at for every displayed line. Every mark in the table is negative, so
    // a plain character costs one test.
    if (widths_.empty())
        characterWidth(QChar(u' ')); // makes the table
    const qreal* widths = widths_.data();
    bool summed = wraps_ && perCharacter_;
    // Twice the room in the characters' own advances: no kerning makes that
    // fit, and the rest of a long paragraph need not be looked at.
    const qreal tooWide = 2 * (available_ - slack_);
    qreal sum = 0;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        qreal width = code < kCachedCodes ? widths[code] : kUnmeasured;
        if (width >= 0) {
            sum += width;
            if (sum > tooWide && summed)
                return false;
            continue;
        }
        if (width == kUnmeasured)
            width = characterWidth(ch);
        if (width == kNeedsLayout)
            return false;
        if (width == kNotSimple)
            summed = false;
        else
            sum += width;
    }
    if (!wraps_)
        return true;
    if (summed && sum * kKerningAllowance + slack_ <= available_)
        return true;
    return metrics_.horizontalAdvance(text.toString()) + slack_ <= available_;
}

std::vector<TextLineSpan> ParagraphBreaker::lines(const QString& text) const {
    std::vector<TextLineSpan> result;
    QTextLayout layout(text, font_);
    layout.setTextOption(option_);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(available_);
        result.push_back({line.textStart(), line.textLength()});
    }
    layout.endLayout();
    return result;
}

} // namespace zamt
