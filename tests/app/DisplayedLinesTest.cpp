// The displayed lines of a text document: what counts as a line, texts up
// to 4096 characters, and an index that is rebuilt only when the text, font,
// text option or width changes. (Agreement with the widget's own layout is
// tested with a real QPlainTextEdit in MemoRowsTest.)
#include "app/DisplayedLines.h"

#include "support/GuiApplication.h"

#include <QTextCursor>
#include <gtest/gtest.h>

namespace zamt {
namespace {

class DisplayedLinesTest : public testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApplication(); }

    static QStringList linesOf(const QString& text, int width) {
        QTextDocument document;
        document.setPlainText(text);
        DisplayedLines lines(&document);
        lines.update(width);
        QStringList result, released;
        for (int i = 0; i < lines.count(); ++i)
            result << lines.text(i);
        // Without the update's copy of the text, the lines come from the document.
        lines.release();
        for (int i = 0; i < lines.count(); ++i)
            released << lines.text(i);
        EXPECT_EQ(released, result);
        return result;
    }
    static QString longParagraph(int words) {
        QStringList list;
        for (int i = 0; i < words; ++i)
            list << QStringLiteral("слово%1").arg(i);
        return list.join(' ');
    }
};

TEST_F(DisplayedLinesTest, ALastEmptyLineIsNotCounted) {
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\n", {"one"}},
        {"one\n\ntwo", {"one", "", "two"}},
        {"one\n\n", {"one", ""}},
        {"\n", {""}},
        {"   ", {"   "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(linesOf(QString::fromUtf8(c.text), 300), c.lines) << c.text;
}

TEST_F(DisplayedLinesTest, ALineIsTakenUpTo4096Characters) {
    const QString line(5000, QLatin1Char('x'));
    const QStringList lines = linesOf(line + "\nend", 0); // no width: nothing wraps
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], line.left(4096));
    EXPECT_EQ(lines[1], "end");
}

TEST_F(DisplayedLinesTest, WrappedParagraphsGiveTheirLinesInOrder) {
    const QStringList paragraphs{"first", longParagraph(40), "", longParagraph(25), "last"};
    QTextDocument document;
    document.setPlainText(paragraphs.join('\n'));
    DisplayedLines lines(&document);
    lines.update(200);
    // The lines of each paragraph, put together again, give the paragraph.
    int line = 0;
    for (const QString& paragraph : paragraphs) {
        QString joined;
        const int first = line;
        while (joined.size() < paragraph.size() && line < lines.count())
            joined += lines.text(line++);
        if (paragraph.isEmpty()) {
            EXPECT_EQ(lines.text(line++), "");
        }
        EXPECT_EQ(joined, paragraph);
        if (paragraph.size() > 100) {
            EXPECT_GT(line - first, 2) << "a long paragraph wraps";
        }
    }
    EXPECT_EQ(line, lines.count());
    EXPECT_EQ(lines.text(-1), "");
    EXPECT_EQ(lines.text(lines.count()), "");
}

TEST_F(DisplayedLinesTest, TheIndexIsRebuiltOnlyWhenTextFontOptionOrWidthChanges) {
    QStringList paragraphs;
    for (int i = 0; i < 1000; ++i)
        paragraphs << QStringLiteral("строка %1").arg(i);
    paragraphs[500] = longParagraph(60);
    QTextDocument document;
    document.setPlainText(paragraphs.join('\n'));
    DisplayedLines lines(&document);

    lines.update(300);
    EXPECT_EQ(lines.rebuilds(), 1);
    EXPECT_EQ(lines.layouts(), 1) << "only the paragraph wider than the view is laid out";
    const int wrappedCount = lines.count();
    EXPECT_GT(wrappedCount, 1002);

    for (int i = 0; i < lines.count(); ++i) {
        lines.update(300);
        lines.text(i);
    }
    EXPECT_EQ(lines.rebuilds(), 1) << "asking again changes nothing";
    EXPECT_EQ(lines.layouts(), 1);

    const struct {
        const char* what;
        std::function<void()> change;
        int width;
        int rebuilds;
    } steps[] = {
        {"same again", [] {}, 300, 1},
        {"wider", [] {}, 2000, 2},
        {"wider, same again", [] {}, 2000, 2},
        {"text typed", [&] { QTextCursor(&document).insertText("x"); }, 2000, 3},
        {"font", [&] { document.setDefaultFont(QFont("DejaVu Sans", 20)); }, 2000, 4},
        {"text option",
         [&] {
             QTextOption option = document.defaultTextOption();
             option.setWrapMode(QTextOption::NoWrap);
             document.setDefaultTextOption(option);
         },
         2000, 5},
        {"margin", [&] { document.setDocumentMargin(10); }, 2000, 6},
        {"nothing", [] {}, 2000, 6},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        lines.update(step.width);
        EXPECT_EQ(lines.rebuilds(), step.rebuilds);
    }
    EXPECT_EQ(lines.count(), 1000) << "without wrapping one line per paragraph";
    EXPECT_EQ(lines.text(0), "xстрока 0");
}

TEST_F(DisplayedLinesTest, NarrowWidthsAndAGoneDocumentGiveNoFault) {
    auto document = std::make_unique<QTextDocument>();
    document->setPlainText("abc def\n\tx");
    DisplayedLines lines(document.get());
    lines.update(1); // narrower than the margins: a character per line
    EXPECT_GE(lines.count(), 3);
    lines.update(-5); // no width: nothing wraps
    EXPECT_EQ(lines.count(), 2);
    document.reset();
    lines.update(100);
    EXPECT_EQ(lines.count(), 0);
    EXPECT_EQ(lines.text(0), "");
}

} // namespace
} // namespace zamt
