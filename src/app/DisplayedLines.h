#pragma once
// The lines of a plain text view as the view displays them: each paragraph
// of its document is broken into lines at the view's width exactly as
// QPlainTextEdit lays it out (the document's font, text option and margin),
// so one long paragraph can give several lines. A last line that is empty
// is not counted: text that ends with a line break has no empty last line,
// an empty view has none at all.
//
// The index is kept between questions and rebuilt only when the text, the
// font, the text option, the margin or the width has changed, so walking
// all n lines costs one pass over the text, not n. A paragraph that is
// plainly narrower than the view is one line without a text layout. An
// update takes one copy of the whole text, from which the lines are read
// until the text changes or release() lets it go (after a report's run).
#include "app/ParagraphBreaker.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextOption>
#include <vector>

namespace zamt {

class DisplayedLines {
public:
    // A line's text is taken up to this many characters.
    static constexpr int kMaxLineLength = 4096;

    explicit DisplayedLines(const QTextDocument* document);
    DisplayedLines(const DisplayedLines&) = delete;
    DisplayedLines& operator=(const DisplayedLines&) = delete;

    // Brings the index up to date; `viewWidth` is the width in pixels of the
    // view's viewport (its text area).
    void update(int viewWidth);
    // As of the last update.
    int count() const { return count_; }
    // The line's text, at most kMaxLineLength characters; empty outside 0..count()-1.
    QString text(int index) const;
    // Lets go of the copy of the text that an update keeps for text() to
    // read rows from quickly (a report's run); text() reads the document.
    void release();

    // How often the index was built and how many text layouts that took.
    int rebuilds() const { return rebuilds_; }
    qint64 layouts() const { return layouts_; }

private:
    struct Params {
        QFont font;
        QTextOption option;
        qreal margin = 0;
        int width = 0;
    };
    // A paragraph that gives more than one line.
    struct WrappedBlock {
        int block = 0;
        int firstLine = 0;
        std::vector<TextLineSpan> lines;
    };

    Params currentParams() const;
    bool sameParams(const Params& params) const;
    void rebuild(Params params);
    const QString& blockText(int blockNumber) const;
    QStringView blockView(int blockNumber) const;
    bool takeRawText();

    QPointer<const QTextDocument> document_;
    QObject watcher_; // owns the connection to the document's changes
    bool textChanged_ = true;
    Params built_;
    std::vector<WrappedBlock> wrapped_;
    int count_ = 0;
    int rebuilds_ = 0;
    qint64 layouts_ = 0;
    // The document's text as of the last update, and where each block
    // begins in it; empty once released or the text changed.
    QString raw_;
    std::vector<int> blockStarts_;
    mutable int cachedBlock_ = -1; // -1 also after any change of the text
    mutable QTextBlock block_;
    mutable QString cachedText_;
};

} // namespace zamt
