#include "app/DisplayedLines.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <climits>

namespace zamt {
namespace {

bool sameOption(const QTextOption& a, const QTextOption& b) {
    return a.alignment() == b.alignment() && a.wrapMode() == b.wrapMode() &&
           a.flags() == b.flags() && a.tabStopDistance() == b.tabStopDistance() &&
           a.tabs() == b.tabs() && a.textDirection() == b.textDirection() &&
           a.useDesignMetrics() == b.useDesignMetrics();
}

// Characters that can break a line or change widths beyond what the font's
// advances say (tabs, separators, controls, soft hyphens).
bool needsLayout(QChar ch) {
    const char16_t code = ch.unicode();
    return code < 0x20 || (code >= 0x7f && code <= 0x9f) || code == 0xad || code == 0x2028 ||
           code == 0x2029 || code == 0xfffc;
}

// How QPlainTextEdit breaks a paragraph: its document layout gives every
// paragraph the document's text option and the view's width less the margins.
struct Breaker {
    Breaker(const QFont& font, const QTextOption& option, qreal margin, int width) : metrics(font) {
        qreal extra = 0;
        if (option.flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
            extra = QFontMetrics(font).horizontalAdvance(QChar(0x21B5));
        available = (width <= 0 ? qreal(INT_MAX) : qreal(width)) - 2 * margin - extra;
        const bool wraps = option.wrapMode() != QTextOption::NoWrap &&
                           option.wrapMode() != QTextOption::ManualWrap;
        checkWidth = wraps;
        // Advances of the font metrics and of a layout agree only without
        // design metrics; the slack of a line's height covers the overhang of
        // the last glyph that line breaking adds.
        quickCheck = !option.useDesignMetrics();
        slack = metrics.height();
    }

    bool fitsOnOneLine(const QString& text) const {
        if (text.isEmpty())
            return true;
        if (!quickCheck || std::any_of(text.begin(), text.end(), needsLayout))
            return false;
        return !checkWidth || metrics.horizontalAdvance(text) + slack <= available;
    }

    QFontMetricsF metrics;
    qreal available = 0;
    qreal slack = 0;
    bool checkWidth = true;
    bool quickCheck = true;
};

} // namespace

DisplayedLines::DisplayedLines(const QTextDocument* document) : document_(document) {
    if (document)
        QObject::connect(document, &QTextDocument::contentsChanged, &watcher_, [this] {
            textChanged_ = true;
            cachedBlock_ = -1;
        });
}

DisplayedLines::Params DisplayedLines::currentParams() const {
    return {document_->defaultFont(), document_->defaultTextOption(), document_->documentMargin(),
            0};
}

bool DisplayedLines::sameParams(const Params& params) const {
    return params.width == built_.width && params.margin == built_.margin &&
           params.font == built_.font && sameOption(params.option, built_.option);
}

void DisplayedLines::update(int viewWidth) {
    if (!document_) {
        wrapped_.clear();
        count_ = 0;
        return;
    }
    Params params = currentParams();
    params.width = viewWidth;
    if (!textChanged_ && rebuilds_ > 0 && sameParams(params))
        return;
    rebuild(std::move(params));
}

void DisplayedLines::rebuild(Params params) {
    const Breaker breaker(params.font, params.option, params.margin, params.width);
    wrapped_.clear();
    cachedBlock_ = -1;
    int total = 0;
    bool lastLineEmpty = true;
    int blockNumber = 0;
    for (QTextBlock block = document_->begin(); block.isValid();
         block = block.next(), ++blockNumber) {
        const QString text = block.text();
        if (breaker.fitsOnOneLine(text)) {
            ++total;
            lastLineEmpty = text.isEmpty();
            continue;
        }
        QTextLayout layout(text, params.font);
        layout.setTextOption(params.option);
        ++layouts_;
        WrappedBlock wrapped{blockNumber, total, {}};
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(breaker.available);
            wrapped.lines.push_back({line.textStart(), line.textLength()});
        }
        layout.endLayout();
        total += static_cast<int>(wrapped.lines.size());
        lastLineEmpty = wrapped.lines.empty() || wrapped.lines.back().length == 0;
        if (wrapped.lines.size() > 1)
            wrapped_.push_back(std::move(wrapped));
    }
    count_ = lastLineEmpty && total > 0 ? total - 1 : total;
    built_ = std::move(params);
    textChanged_ = false;
    ++rebuilds_;
}

const QString& DisplayedLines::blockText(int blockNumber) const {
    if (blockNumber != cachedBlock_) {
        cachedText_ = document_ ? document_->findBlockByNumber(blockNumber).text() : QString();
        cachedBlock_ = blockNumber;
    }
    return cachedText_;
}

QString DisplayedLines::text(int index) const {
    if (index < 0 || index >= count_)
        return {};
    const auto after = std::upper_bound(
        wrapped_.begin(), wrapped_.end(), index,
        [](int line, const WrappedBlock& wrapped) { return line < wrapped.firstLine; });
    int blockNumber = index;
    if (after != wrapped_.begin()) {
        const WrappedBlock& wrapped = *std::prev(after);
        const int within = index - wrapped.firstLine;
        const int lineCount = static_cast<int>(wrapped.lines.size());
        if (within < lineCount) {
            const Line& line = wrapped.lines[static_cast<size_t>(within)];
            return blockText(wrapped.block).mid(line.start, std::min(line.length, kMaxLineLength));
        }
        blockNumber = wrapped.block + 1 + (within - lineCount);
    }
    return blockText(blockNumber).left(kMaxLineLength);
}

} // namespace zamt
