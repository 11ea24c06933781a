#include "app/DisplayedLines.h"

#include "app/ParagraphBreaker.h"

#include <QTextBlock>
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

} // namespace

DisplayedLines::DisplayedLines(const QTextDocument* document) : document_(document) {
    if (document)
        QObject::connect(document, &QTextDocument::contentsChanged, &watcher_, [this] {
            textChanged_ = true;
            cachedBlock_ = -1;
            release();
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

// One copy of the whole text costs far less than each block's text taken
// apart; the blocks are told by the paragraph separators between them.
bool DisplayedLines::takeRawText() {
    raw_ = document_->toRawText();
    blockStarts_.clear();
    blockStarts_.push_back(0);
    const QChar* chars = raw_.constData();
    for (qsizetype i = 0; i < raw_.size(); ++i)
        if (chars[i] == QChar::ParagraphSeparator)
            blockStarts_.push_back(int(i + 1));
    if (qsizetype(blockStarts_.size()) == document_->blockCount() && raw_.size() < INT_MAX)
        return true;
    release(); // not the layout expected: the blocks are read one by one
    return false;
}

void DisplayedLines::release() {
    raw_ = QString();
    blockStarts_ = {};
}

QStringView DisplayedLines::blockView(int blockNumber) const {
    const size_t next = size_t(blockNumber) + 1;
    const int end = next < blockStarts_.size() ? blockStarts_[next] - 1 : int(raw_.size());
    return QStringView(raw_).sliced(blockStarts_[size_t(blockNumber)],
                                    end - blockStarts_[size_t(blockNumber)]);
}

void DisplayedLines::rebuild(Params params) {
    const ParagraphBreaker breaker(params.font, params.option, params.margin, params.width);
    wrapped_.clear();
    cachedBlock_ = -1;
    int total = 0;
    bool lastLineEmpty = true;
    const bool raw = takeRawText();
    const int blocks = document_->blockCount();
    QTextBlock block = raw ? QTextBlock() : document_->begin();
    QString blockText;
    for (int blockNumber = 0; blockNumber < blocks; ++blockNumber) {
        QStringView text;
        if (raw) {
            text = blockView(blockNumber);
        } else {
            blockText = block.text();
            text = blockText;
            block = block.next();
        }
        if (breaker.fitsOnOneLine(text)) {
            ++total;
            lastLineEmpty = text.isEmpty();
            continue;
        }
        ++layouts_;
        WrappedBlock wrapped{blockNumber, total, breaker.lines(text.toString())};
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
        // Rows are asked for in order: the next block is the cached one's next.
        if (!document_)
            block_ = QTextBlock();
        else if (cachedBlock_ >= 0 && blockNumber == cachedBlock_ + 1 && block_.isValid())
            block_ = block_.next();
        else
            block_ = document_->findBlockByNumber(blockNumber);
        cachedText_ = block_.text();
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
    qsizetype start = 0, length = kMaxLineLength;
    if (after != wrapped_.begin()) {
        const WrappedBlock& wrapped = *std::prev(after);
        const int within = index - wrapped.firstLine;
        const int lineCount = static_cast<int>(wrapped.lines.size());
        if (within < lineCount) {
            const TextLineSpan& line = wrapped.lines[static_cast<size_t>(within)];
            blockNumber = wrapped.block;
            start = line.start;
            length = std::min(line.length, kMaxLineLength);
        } else {
            blockNumber = wrapped.block + 1 + (within - lineCount);
        }
    }
    if (!raw_.isNull())
        return blockView(blockNumber).mid(start, length).toString();
    return blockText(blockNumber).mid(start, length);
}

} // namespace zamt
