#pragma once
// How QPlainTextEdit breaks one paragraph of its document into lines: its
// document layout gives every paragraph the document's font and text option
// and the view's width less the document margins. The rows of a report
// printed without windows are broken the same way, in the report's font.
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QTextOption>
#include <vector>

namespace zamt {

struct TextLineSpan {
    int start = 0;
    int length = 0;
};

class ParagraphBreaker {
public:
    // `width`: the view's viewport width in pixels; 0 or less: no limit.
    ParagraphBreaker(const QFont& font, const QTextOption& option, qreal margin, int width);

    // True when the paragraph is plainly one line, told without a text
    // layout; false means only "lay it out to know".
    bool fitsOnOneLine(QStringView text) const;
    // The lines of a text layout, as the view makes them.
    std::vector<TextLineSpan> lines(const QString& text) const;

private:
    // The character's advance, or kNotSimple or kNeedsLayout; kept per code.
    qreal characterWidth(QChar ch) const;

    QFont font_;
    QTextOption option_;
    QFontMetricsF metrics_;
    qreal available_ = 0;
    qreal slack_ = 0;
    bool wraps_ = true;
    bool measurable_ = true;
    bool perCharacter_ = true;
    mutable std::vector<qreal> widths_; // characterWidth() by code; kUnmeasured: not yet known
};

} // namespace zamt
