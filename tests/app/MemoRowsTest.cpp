// The rows the main window's data connection gives a report: the lines of
// the text view exactly as the view displays them, through the requests a
// data view sends.
#include "app/CreateForms.h"
#include "app/DisplayedLines.h"
#include "app/TForm1.h"
#include "platform/CodePage.h"
#include "report/connection/RptConnectionRegistry.h"
#include "report/connection/RptDataViewCursor.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace zamt {
namespace {

const QString kNoValue = QStringLiteral("<no value>");

// The lines as the widget itself lays them out, a last empty line left out.
QStringList widgetLines(QPlainTextEdit* edit) {
    QApplication::processEvents();
    QTextDocument* document = edit->document();
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength());
        }
    }
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QString longLine() {
    return QString::fromUtf8("Коэффициент коррекции K вводится в расходомер после проверки "
                             "геометрии канала и гидравлики участка трубопровода");
}

TEST(DisplayedLinesInTheWidget, AgreeWithTheViewsOwnLayoutAtEveryWidth) {
    QFont spaced("DejaVu Sans", 9);
    spaced.setLetterSpacing(QFont::PercentageSpacing, 120);
    QFont italic("DejaVu Serif", 11);
    italic.setItalic(true);
    const QFont fonts[] = {QFont("MS Sans Serif", 8), italic, spaced};
    const QStringList texts{
        longLine(),
        QString::fromUtf8("Объект: насосная станция №3\nДиаметр D = 1020,0 мм\n\n"
                          "Re_min = 6,27584E7; λ = 0,0123 — «ок»\n"),
        "averyveryveryverylongwordwithoutanyspaceatallthatmustbreakanywhereinthemiddle",
        "tabs\tin\tthe\ttext and    runs   of     spaces at the end         ",
        "short\n" + longLine() + "\n" + longLine() + longLine() + "\nend",
        QString::fromUtf8("AVAVAVAV To To To WAWAWA ffi ffl fi fl LTLTLT Yo Yo Yo"),
        "",
        "\n\n",
    };
    QPlainTextEdit edit;
    edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DisplayedLines lines(edit.document());
    edit.show();
    for (const QFont& font : fonts) {
        edit.setFont(font);
        for (int width = 40; width <= 420; width += 5) {
            edit.resize(width, 120);
            for (const QString& text : texts) {
                edit.setPlainText(text);
                const QStringList expected = widgetLines(&edit);
                lines.update(edit.viewport()->width());
                QStringList got;
                for (int i = 0; i < lines.count(); ++i)
                    got << lines.text(i);
                ASSERT_EQ(got, expected) << font.toString().toStdString() << ", width " << width
                                         << ": " << text.toStdString();
            }
        }
    }
}

class MemoRows : public testing::Test {
protected:
    void SetUp() override {
        createForms();
        Form1->show();
        Form1->thten1Click();
        QApplication::processEvents();
        connection = RptConnectionRegistry::find("RptCustomConnection1");
        ASSERT_EQ(connection, &Form1->RptCustomConnection1);
        // Count the handler's calls, then let it run.
        connection->OnGetRow = [this](TRptCustomConnection& c) {
            ++getRowCalls;
            Form1->ConnectionGetRow(c);
        };
    }
    void TearDown() override { destroyForms(); }

    QPlainTextEdit* memo() { return test::child<QPlainTextEdit>(Form1, "Memo"); }

    static QStringList walk(RptDataViewCursor& view) {
        QStringList rows;
        for (bool row = view.first(); row; row = view.next()) {
            const RptValue* value = view.value("StrField");
            rows << (value ? fromCp1251(value->native) : kNoValue);
        }
        return rows;
    }
    // One run of a report that prints "StrField" once per row.
    QStringList run() {
        RptDataViewCursor view("RptCustomConnection1", {{"StrField", TRptDataType::dtString}});
        view.open();
        return walk(view);
    }
    void resizeClientTo(int width, int height) {
        Form1->resize(width, height + Form1->menuBar()->height());
        QApplication::processEvents();
    }

    test::ScriptedServices services;
    TRptCustomConnection* connection = nullptr;
    int getRowCalls = 0;
};

TEST_F(MemoRows, TheStartUpLineIsOneRow) {
    EXPECT_EQ(connection->RuntimeVisibility, TRuntimeVisibility::rtDeveloper);
    EXPECT_TRUE(connection->LocalFilter);
    EXPECT_TRUE(connection->FieldAliasList.empty());
    const QString startLine = memo()->toPlainText(); // MainWindowTest checks its text
    ASSERT_FALSE(startLine.isEmpty());
    EXPECT_EQ(run(), QStringList{startLine});
    EXPECT_EQ(connection->RowCount, 1);
    ASSERT_EQ(connection->columns().size(), 1u);
    const RptColumnDef& column = connection->columns()[0];
    EXPECT_EQ(column.name, "StrField");
    EXPECT_EQ(column.width, 120);
    EXPECT_EQ(column.fullName, "StrField");
    EXPECT_EQ(column.description, "");
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(MemoRows, RowsFollowTheLinesOfTheView) {
    const struct {
        const char* text;
        QStringList rows;
        int getRowCalls;
    } cases[] = {
        {"", {}, 0},
        {"one\ntwo\n", {"one", "two"}, 2},
        {"one\n\nthree", {"one", "", "three"}, 3},
        {"\n", {""}, 1},
        {"Объект: насосная\nD = 1020,0", {"Объект: насосная", "D = 1020,0"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        memo()->setPlainText(QString::fromUtf8(c.text));
        getRowCalls = 0;
        EXPECT_EQ(run(), c.rows);
        EXPECT_EQ(connection->RowCount, c.rows.size());
        EXPECT_EQ(getRowCalls, c.getRowCalls);
    }
}

TEST_F(MemoRows, AWrappedLineGivesARowPerDisplayedLineAndFewerInAWiderWindow) {
    memo()->setPlainText(longLine() + "\nlast");
    const QStringList narrow = run();
    EXPECT_EQ(narrow, widgetLines(memo()));
    EXPECT_GE(narrow.size(), 3);
    EXPECT_EQ(narrow.join(""), longLine() + "last");

    resizeClientTo(900, 305);
    const QStringList wide = run();
    EXPECT_EQ(wide, widgetLines(memo()));
    EXPECT_LT(wide.size(), narrow.size());
    EXPECT_EQ(wide, (QStringList{longLine(), "last"}));
}

TEST_F(MemoRows, TwoRunsGiveTheSameRowsAndASecondWalkGivesNoValues) {
    memo()->setPlainText("a\nb\nc");
    EXPECT_EQ(run(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(run(), (QStringList{"a", "b", "c"})) << "open resets the row counter";

    RptDataViewCursor view("RptCustomConnection1", {{"StrField", TRptDataType::dtString}});
    view.open();
    EXPECT_EQ(walk(view), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(walk(view), (QStringList{kNoValue, kNoValue, kNoValue}))
        << "first does not reset the row counter";
}

TEST_F(MemoRows, AnEditOrAResizeDuringTheRunIsSeenByTheRowsThatFollow) {
    memo()->setPlainText("one\ntwo\nthree");
    RptDataViewCursor view("RptCustomConnection1", {{"StrField", TRptDataType::dtString}});
    view.open();
    ASSERT_TRUE(view.first());
    EXPECT_EQ(view.value("StrField")->native, "one");
    memo()->setPlainText(QString::fromUtf8("один\n") + longLine() + "\nthree");
    ASSERT_TRUE(view.next());
    const QStringList displayed = widgetLines(memo());
    ASSERT_GT(displayed.size(), 3);
    EXPECT_EQ(fromCp1251(view.value("StrField")->native), displayed[1]);

    resizeClientTo(900, 305);
    ASSERT_TRUE(view.next());
    EXPECT_EQ(fromCp1251(view.value("StrField")->native), "three")
        << "in the wider view the long line is one line";
    EXPECT_FALSE(view.next()) << "the number of rows stays as open counted it";
}

TEST_F(MemoRows, ADataViewWithAStrFieldOfAnotherTypePrintsRowsWithoutValues) {
    memo()->setPlainText("a\nb");
    RptDataViewCursor view("RptCustomConnection1", {{"StrField", TRptDataType::dtInteger}});
    view.open();
    EXPECT_EQ(walk(view), (QStringList{kNoValue, kNoValue}));
    EXPECT_TRUE(services.boxes.shown.empty());
}

} // namespace
} // namespace zamt
