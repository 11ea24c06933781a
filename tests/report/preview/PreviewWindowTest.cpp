// The preview window on the offscreen platform: its controls and actions,
// paging, zoom, the key table, the edit boxes and Open.
#include "PreviewTestSupport.h"
#include "../stream/StreamBytes.h"
#include "platform/AppError.h"
#include "report/pdf/TRptRenderPDF.h"
#include "report/preview/PreviewIcons.h"
#include "report/preview/TRptPreviewForm.h"
#include "report/preview/TRptScrollBox.h"
#include "report/system/TRptRenderFile.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"
#include "support/SystemDifferences.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace zamt {
namespace {

class PreviewWindowTest : public testing::Test {
protected:
    void open(const QByteArray& stream) {
        path = dir.write(QStringLiteral("report.rps"), stream);
        form = std::make_unique<TRptPreviewForm>();
        form->setInputFileName(path);
        form->startPreview();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override {
        form.reset();
        QApplication::processEvents();
    }

    QLineEdit* pageEdit() { return test::child<QLineEdit>(form.get(), "PageEdit"); }
    QLineEdit* zoomEdit() { return test::child<QLineEdit>(form.get(), "ZoomEdit"); }
    QLabel* pageLabel() { return test::child<QLabel>(form.get(), "PageLabel"); }
    TRptScrollBox* scrollBox() { return test::child<TRptScrollBox>(form.get(), "ScrollBox1"); }
    QScrollBar* vertical() { return scrollBox()->verticalScrollBar(); }
    QString status() { return test::child<QStatusBar>(form.get(), "sbarMain")->currentMessage(); }
    QAction* action(const char* name) { return test::child<QAction>(form.get(), name); }
    int page() { return form->RenderPreview().currentPage(); }

    // Keys as the user presses them, into the control with the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
        QApplication::processEvents();
    }
    void typeInto(QLineEdit* box, const QString& text) {
        test::focus(box);
        for (const QChar c : text)
            QTest::keyClick(box, c.toLatin1());
    }
    void enter() { key(Qt::Key_Return); }
    static bool allSelected(QLineEdit* box) { return box->selectedText() == box->text(); }

    test::ScriptedServices services;
    test::TempDir dir;
    QString path;
    std::unique_ptr<TRptPreviewForm> form;
};

TEST_F(PreviewWindowTest, ToolBarHoldsItsButtonsAndFieldsInOrder) {
    open(test::numberedPages(3));
    const char* const expected[] = {"ToolButton1",  "ToolButton2",  "ToolButton3",  "ToolButton4",
                                    "ToolButton5",  "ToolButton6",  "ToolButton7",  "ToolButton8",
                                    "Panel1",       "PageEdit",     "PageLabel",    "ToolButton10",
                                    "ToolButton11", "ToolButton12", "ToolButton13", "ToolButton14",
                                    "Panel3",       "ZoomEdit",     "Panel2",       "ToolButton9",
                                    "ToolButton15"};
    auto* bar = test::child<QToolBar>(form.get(), "ToolBar1");
    std::vector<std::string> names;
    for (QAction* a : bar->actions())
        names.push_back(bar->widgetForAction(a)->objectName().toStdString());
    EXPECT_EQ(names, std::vector<std::string>(std::begin(expected), std::end(expected)));
    // Left to right, as the user sees them.
    int left = -1;
    for (QAction* a : bar->actions()) {
        const QWidget* w = bar->widgetForAction(a);
        EXPECT_GT(w->x(), left) << w->objectName().toStdString();
        left = w->x();
    }
    const struct {
        const char* button;
        const char* action;
    } buttons[] = {{"ToolButton1", "actnFile_Open"},     {"ToolButton2", "actnFile_Save"},
                   {"ToolButton3", "actnFile_Print"},    {"ToolButton5", "actnPage_First"},
                   {"ToolButton6", "actnPage_Previous"}, {"ToolButton7", "actnPage_Next"},
                   {"ToolButton8", "actnPage_Last"},     {"ToolButton11", "actnZoom_In"},
                   {"ToolButton12", "actnZoom_Out"},     {"ToolButton13", "actnZoom_PageWidth"},
                   {"ToolButton14", "actnZoom_Page"},    {"ToolButton15", "actnFile_Exit"}};
    for (const auto& b : buttons) {
        auto* button = test::child<QToolButton>(form.get(), b.button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->defaultAction()->objectName(), QLatin1String(b.action)) << b.button;
        EXPECT_EQ(button->height(), 24);
    }
    EXPECT_EQ(bar->height(), 25);
    EXPECT_EQ(test::child<QLabel>(form.get(), "Panel1")->text(), QStringLiteral("Page"));
    EXPECT_EQ(test::child<QLabel>(form.get(), "Panel1")->width(), 45);
    EXPECT_EQ(test::child<QLabel>(form.get(), "Panel3")->text(), QStringLiteral("Zoom"));
    EXPECT_EQ(test::child<QLabel>(form.get(), "Panel3")->width(), 42);
    EXPECT_EQ(test::child<QLabel>(form.get(), "Panel2")->text(), QStringLiteral("%"));
    EXPECT_EQ(test::child<QLabel>(form.get(), "Panel2")->width(), 18);
    EXPECT_EQ(pageEdit()->width(), 49);
    EXPECT_EQ(zoomEdit()->width(), 40);
    EXPECT_EQ(zoomEdit()->text(), QStringLiteral("100.0"));
    EXPECT_EQ(test::child<QStatusBar>(form.get(), "sbarMain")->height(), 19);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Report Preview"));
}

TEST_F(PreviewWindowTest, CaptionsReadWhole) {
    open(test::numberedPages(3));
    for (const char* name : {"Panel1", "Panel3", "Panel2", "PageLabel"}) {
        auto* label = test::child<QLabel>(form.get(), name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
        EXPECT_LE(label->fontMetrics().height(), label->height()) << name;
    }
    EXPECT_EQ(test::child<QLabel>(form.get(), "Panel1")->font().pixelSize(), 13);
}

TEST_F(PreviewWindowTest, ActionsCarryTheirCaptionsHintsShortcutsAndIcons) {
    open(test::numberedPages(3));
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        QKeySequence shortcut;
    } actions[] = {
        {"actnFile_Open", "&Open", "Open another report", QKeySequence("Ctrl+O")},
        {"actnFile_Save", "&Save As", "Save report", QKeySequence("Ctrl+S")},
        {"actnFile_Print", "&Print", "Print report", QKeySequence("Ctrl+P")},
        {"actnFile_Exit", "E&xit", "Exit viewer", QKeySequence()},
        {"actnPage_First", "&First", "Move to first page", QKeySequence("Ctrl+Home")},
        {"actnPage_Previous", "&Previous", "Move to previous page", QKeySequence("Ctrl+PgUp")},
        {"actnPage_Next", "&Next", "Move to next page", QKeySequence("Ctrl+PgDown")},
        {"actnPage_Last", "&Last", "Move to last page", QKeySequence("Ctrl+End")},
        {"actnZoom_In", "Zoom &In", "Zoom In (+)", QKeySequence()},
        {"actnZoom_Out", "Zoom &Out", "Zoom Out (-)", QKeySequence()},
        {"actnZoom_PageWidth", "Fit to Page &Width", "Zoom to fit page width",
         QKeySequence("Ctrl+W")},
        {"actnZoom_Page", "Fit to &Page", "Zoom to fit page", QKeySequence("Ctrl+F")},
        {"GotoPage1", "&Go to Page #", "Go to specified page", QKeySequence("Ctrl+G")},
    };
    std::vector<QImage> icons;
    for (const auto& a : actions) {
        SCOPED_TRACE(a.name);
        QAction* act = action(a.name);
        ASSERT_NE(act, nullptr);
        EXPECT_EQ(act->text(), QString::fromLatin1(a.caption));
        EXPECT_EQ(act->toolTip(), QString::fromLatin1(a.hint));
        EXPECT_EQ(act->shortcut(), a.shortcut);
        const QImage icon = act->icon().pixmap(16, 16).toImage();
        EXPECT_FALSE(icon.isNull());
        for (const QImage& other : icons)
            EXPECT_NE(icon, other); // every action has its own picture
        icons.push_back(icon);
    }
}

TEST_F(PreviewWindowTest, MenusHoldTheActionsInOrder) {
    open(test::numberedPages(3));
    auto names = [](const QList<QAction*>& list) {
        std::vector<std::string> out;
        for (const QAction* a : list)
            out.push_back(a->isSeparator() ? "-" : a->text().toStdString());
        return out;
    };
    auto* bar = test::child<QMenuBar>(form.get(), "MainMenu1");
    std::vector<std::vector<std::string>> menus;
    std::vector<std::string> titles;
    for (QAction* a : bar->actions()) {
        titles.push_back(a->text().toStdString());
        menus.push_back(names(a->menu()->actions()));
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Page", "&Zoom"}));
    EXPECT_EQ(menus[0], (std::vector<std::string>{"&Open", "&Save As", "&Print", "-", "E&xit"}));
    EXPECT_EQ(menus[1], (std::vector<std::string>{"&First", "&Previous", "&Next", "&Last", "-",
                                                  "&Go to Page #"}));
    EXPECT_EQ(menus[2], (std::vector<std::string>{"Zoom &In", "Zoom &Out", "-", "Fit to &Page",
                                                  "Fit to Page &Width"}));
    EXPECT_EQ(names(test::child<QMenu>(form.get(), "PopupMenu1")->actions()),
              (std::vector<std::string>{"Zoom &In", "Zoom &Out"}));
}

TEST_F(PreviewWindowTest, PageLabelStatusAndEnabledActionsFollowThePage) {
    const struct {
        int pages;
        int page;
        bool back;
        bool forward;
    } cases[] = {
        {3, 1, false, true}, {3, 2, true, true}, {3, 3, true, false}, {1, 1, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.page << " of " << c.pages);
        open(test::numberedPages(c.pages));
        form->RenderPreview().showPage(c.page);
        EXPECT_EQ(pageEdit()->text(), QString::number(c.page));
        EXPECT_EQ(pageLabel()->text(), QStringLiteral("of %1").arg(c.pages));
        EXPECT_EQ(pageLabel()->width(),
                  pageLabel()->fontMetrics().horizontalAdvance(pageLabel()->text()) + 8);
        EXPECT_EQ(status(), QStringLiteral("Page %1 of %2").arg(c.page).arg(c.pages));
        EXPECT_EQ(action("actnPage_First")->isEnabled(), c.back);
        EXPECT_EQ(action("actnPage_Previous")->isEnabled(), c.back);
        EXPECT_EQ(action("actnPage_Next")->isEnabled(), c.forward);
        EXPECT_EQ(action("actnPage_Last")->isEnabled(), c.forward);
    }
}

TEST_F(PreviewWindowTest, PageLabelReadsOf3000UntilAPageIsShown) {
    TRptPreviewForm fresh;
    EXPECT_EQ(test::child<QLabel>(&fresh, "PageLabel")->text(), QStringLiteral("of 3000"));
    EXPECT_EQ(test::child<QLineEdit>(&fresh, "PageEdit")->text(), QString());
}

TEST_F(PreviewWindowTest, CharacterKeys) {
    const struct {
        const char* keys;
        int startPage;
        int pages;
        int page;
        const char* zoom;
    } cases[] = {
        {"n", 3, 3, 1, "100.0"}, // Next is disabled on the last page, n wraps
        {"p", 1, 3, 3, "100.0"},    {"N", 1, 3, 2, "100.0"},   {"P", 2, 3, 1, "100.0"},
        {"e", 1, 3, 3, "100.0"},    {"b", 3, 3, 1, "100.0"},   {"E", 1, 3, 3, "100.0"},
        {"B", 3, 3, 1, "100.0"},    {"np", 1, 1, 1, "100.0"}, // a one-page report stays put
        {"+", 1, 3, 1, "110.0"},    {"++-", 1, 3, 1, "110.0"}, {"-", 1, 3, 1, "90.0"},
        {"a,X ", 2, 3, 2, "100.0"}, // dropped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        open(test::numberedPages(c.pages));
        form->RenderPreview().showPage(c.startPage);
        test::focus(pageEdit());
        pageEdit()->deselect();
        for (const char* k = c.keys; *k; ++k)
            QTest::keyClick(pageEdit(), *k);
        EXPECT_EQ(page(), c.page);
        EXPECT_EQ(zoomEdit()->text(), QLatin1String(c.zoom));
        // Consumed and dropped characters leave both boxes selected whole.
        EXPECT_TRUE(allSelected(pageEdit()));
        EXPECT_TRUE(allSelected(zoomEdit()));
        EXPECT_TRUE(form->isVisible());
    }
}

TEST_F(PreviewWindowTest, FitKeysUseTheScrollBox) {
    open(test::numberedPages(1));
    test::focus(pageEdit());
    QTest::keyClick(pageEdit(), 'f');
    const double page = form->RenderPreview().zoomFactor();
    EXPECT_NEAR(page, form->RenderPreview().zoomPageFactor(), 1e-9);
    EXPECT_LT(page, 100);
    // The whole page is in sight: nothing to scroll.
    EXPECT_EQ(vertical()->maximum(), 0);
    EXPECT_EQ(scrollBox()->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(zoomEdit()->text(), QString::number(page, 'f', 1));

    QTest::keyClick(pageEdit(), 'w');
    const double width = form->RenderPreview().zoomFactor();
    EXPECT_GT(width, page);
    EXPECT_EQ(scrollBox()->horizontalScrollBar()->maximum(), 0); // the width fits
    EXPECT_GT(vertical()->maximum(), 0);

    QTest::keyClick(pageEdit(), 'F');
    EXPECT_DOUBLE_EQ(form->RenderPreview().zoomFactor(), page);
    QTest::keyClick(pageEdit(), 'W');
    EXPECT_DOUBLE_EQ(form->RenderPreview().zoomFactor(), width);
}

TEST_F(PreviewWindowTest, EscAndLowerCaseXCloseTheWindow) {
    for (const Qt::Key k : {Qt::Key_Escape, Qt::Key_X}) {
        open(test::numberedPages(2));
        test::focus(pageEdit());
        QTest::keyClick(pageEdit(), k);
        EXPECT_FALSE(form->isVisible()) << k;
    }
    open(test::numberedPages(2));
    test::focus(pageEdit());
    QTest::keyClick(pageEdit(), 'X');
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PreviewWindowTest, ZoomEditDigitsAndEnter) {
    open(test::numberedPages(3));
    test::focus(zoomEdit());
    zoomEdit()->deselect();
    zoomEdit()->end(false);
    QTest::keyClick(zoomEdit(), '7'); // "100.0" holds a decimal already
    EXPECT_EQ(zoomEdit()->text(), QStringLiteral("100.0"));

    QTest::keyClick(zoomEdit(), '+');
    EXPECT_EQ(zoomEdit()->text(), QStringLiteral("110.0"));
    EXPECT_TRUE(allSelected(zoomEdit()));
    QTest::keyClick(zoomEdit(), '5'); // replaces the selection
    EXPECT_EQ(zoomEdit()->text(), QStringLiteral("5"));
    enter();
    EXPECT_EQ(zoomEdit()->text(), QStringLiteral("10.0"));
    EXPECT_TRUE(allSelected(zoomEdit()));
    EXPECT_EQ(form->RenderPreview().zoomFactor(), 10);

    for (const char c : std::string("500"))
        QTest::keyClick(zoomEdit(), c);
    enter();
    EXPECT_EQ(zoomEdit()->text(), QStringLiteral("200.0"));

    zoomEdit()->setText(QStringLiteral("12a")); // pasted: not a number
    enter();
    EXPECT_EQ(form->RenderPreview().zoomFactor(), 200);

    // Leaving the box applies it.
    zoomEdit()->setText(QStringLiteral("50"));
    test::focus(pageEdit());
    EXPECT_EQ(form->RenderPreview().zoomFactor(), 50);
    EXPECT_EQ(zoomEdit()->text(), QStringLiteral("50.0"));
}

TEST_F(PreviewWindowTest, PageEditDigitsAndEnter) {
    const struct {
        const char* typed;
        int page;
    } cases[] = {{"0", 1}, {"2", 2}, {"99", 3}, {"3", 3}};
    open(test::numberedPages(3));
    form->RenderPreview().showPage(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        form->RenderPreview().showPage(2);
        test::focus(pageEdit());
        pageEdit()->selectAll();
        for (const char* k = c.typed; *k; ++k)
            QTest::keyClick(pageEdit(), *k);
        enter();
        EXPECT_EQ(page(), c.page);
        EXPECT_EQ(pageEdit()->text(), QString::number(c.page));
        EXPECT_TRUE(allSelected(pageEdit()));
    }
    // "." is refused; a text that is not a number is ignored.
    pageEdit()->selectAll();
    QTest::keyClick(pageEdit(), '2');
    QTest::keyClick(pageEdit(), '.');
    EXPECT_EQ(pageEdit()->text(), QStringLiteral("2"));
    pageEdit()->setText(QStringLiteral("-"));
    enter();
    EXPECT_EQ(page(), 3);
    // A negative number is a page below 1.
    pageEdit()->setText(QStringLiteral("-4"));
    enter();
    EXPECT_EQ(page(), 1);
    // Leaving the box applies it.
    pageEdit()->setText(QStringLiteral("2"));
    test::focus(zoomEdit());
    EXPECT_EQ(page(), 2);
}

TEST_F(PreviewWindowTest, UpAndDownCrossPages) {
    open(test::numberedPages(3));
    form->RenderPreview().showPage(2);
    test::focus(pageEdit());
    ASSERT_GT(vertical()->maximum(), 0);
    // Down at the bottom of page 2 shows page 3 at its top.
    key(Qt::Key_End);
    EXPECT_EQ(vertical()->value(), vertical()->maximum());
    key(Qt::Key_Down);
    EXPECT_EQ(page(), 3);
    EXPECT_EQ(vertical()->value(), 0);
    // Down at the bottom of the last page stays.
    key(Qt::Key_End, Qt::ControlModifier); // Last is disabled here: scrolls
    key(Qt::Key_Down);
    EXPECT_EQ(page(), 3);
    EXPECT_EQ(vertical()->value(), vertical()->maximum());
    // Up at the top of page 2 shows page 1 at its bottom; at the top of
    // page 1 it stays.
    form->RenderPreview().showPage(2);
    key(Qt::Key_Home);
    key(Qt::Key_Up);
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(vertical()->value(), vertical()->maximum());
    key(Qt::Key_Home);
    key(Qt::Key_Up);
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(vertical()->value(), 0);
    // Down and Up by one step within the page.
    key(Qt::Key_Down);
    EXPECT_EQ(vertical()->value(), TRptScrollBox::ScrollStep);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(vertical()->value(), 2 * TRptScrollBox::ScrollStep);
    key(Qt::Key_Up);
    EXPECT_EQ(vertical()->value(), TRptScrollBox::ScrollStep);
}

TEST_F(PreviewWindowTest, ScrollKeys) {
    open(test::numberedPages(1));
    form->RenderPreview().setZoomFactor(200);
    test::focus(pageEdit());
    QScrollBar* across = scrollBox()->horizontalScrollBar();
    const int height = scrollBox()->height(), width = scrollBox()->width();
    ASSERT_GT(vertical()->maximum(), 2 * height);
    ASSERT_GT(across->maximum(), width + TRptScrollBox::ScrollStep);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int down;
        int acrossValue;
    } steps[] = {
        {Qt::Key_PageDown, Qt::NoModifier, height, 0},
        {Qt::Key_PageDown, Qt::ControlModifier, 2 * height, 0},
        {Qt::Key_PageUp, Qt::NoModifier, height, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 0, 0},
        {Qt::Key_PageUp, Qt::NoModifier, 0, 0}, // not below 0
        {Qt::Key_Right, Qt::ControlModifier, 0, TRptScrollBox::ScrollStep},
        {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, 0,
         TRptScrollBox::ScrollStep + width},
        {Qt::Key_Left, Qt::ControlModifier, 0, width},
        {Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, 0, 0},
        {Qt::Key_Left, Qt::ControlModifier, 0, 0},
        {Qt::Key_End, Qt::NoModifier, -1, 0},
        {Qt::Key_PageDown, Qt::NoModifier, -1, 0}, // not beyond the bottom
        {Qt::Key_Home, Qt::ControlModifier, 0, 0}, // First is disabled on page 1
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << s.key << " " << s.modifiers.toInt());
        key(s.key, s.modifiers);
        EXPECT_EQ(vertical()->value(), s.down < 0 ? vertical()->maximum() : s.down);
        EXPECT_EQ(across->value(), s.acrossValue);
    }
    // Left and Right alone are the edit box's.
    pageEdit()->setText(QStringLiteral("12"));
    pageEdit()->setCursorPosition(2);
    key(Qt::Key_Left);
    EXPECT_EQ(pageEdit()->cursorPosition(), 1);
}

TEST_F(PreviewWindowTest, ShortcutsOfEnabledActionsComeFirst) {
    open(test::numberedPages(3));
    test::focus(pageEdit());
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(page(), 2);
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(page(), 3);
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(page(), 2);
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(page(), 1);
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_NEAR(form->RenderPreview().zoomFactor(), form->RenderPreview().zoomPageFactor(), 1e-9);
}

TEST_F(PreviewWindowTest, OpenShowsAnotherSnapshotInTheSameWindow) {
    open(test::numberedPages(3));
    form->RenderPreview().showPage(2);
    const QString other = dir.write(QStringLiteral("other.rps"), test::numberedPages(5));
    services.dialogs.answers.push_back(other);
    form->actnFile_OpenExecute();
    ASSERT_EQ(services.dialogs.requests.size(), 1u);
    EXPECT_EQ(services.dialogs.requests[0].filter,
              QStringLiteral("Report Snapshot Files (*.rps)|*.rps|All Files|*.*"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("zamt05 - [ other.rps ]"));
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(form->RenderPreview().pages(), 5);
    EXPECT_EQ(pageLabel()->text(), QStringLiteral("of 5"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(PreviewWindowTest, OpenOfAFileThatIsNoPageStreamKeepsTheShownReport) {
    open(test::numberedPages(3));
    form->RenderPreview().showPage(2);
    const QImage before = scrollBox()->pictureImage();
    const struct {
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"A text file\r\n", "Unexpected header code [65] found in report file."},
        {test::handMadePage(QByteArray("\x63")), "Unexpected code [99] found in report file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        services.boxes.shown.clear();
        services.dialogs.answers.push_back(dir.write(QStringLiteral("bad.rps"), c.bytes));
        action("actnFile_Open")->trigger();
        ASSERT_EQ(services.boxes.shown.size(), 1u);
        EXPECT_EQ(services.boxes.shown[0].kind, BoxKind::Error);
        EXPECT_EQ(services.boxes.shown[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Report Preview"));
        EXPECT_EQ(page(), 2);
        EXPECT_EQ(form->RenderPreview().pages(), 3);
        EXPECT_EQ(scrollBox()->pictureImage(), before);
        // The shown report can still be paged.
        QTest::keyClick(pageEdit(), 'n');
        EXPECT_EQ(page(), 3);
        form->RenderPreview().showPage(2);
    }
    // Cancelling the dialog changes nothing.
    services.boxes.shown.clear();
    action("actnFile_Open")->trigger();
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(form->RenderPreview().pages(), 3);
}

TEST_F(PreviewWindowTest, APageThatCannotBeReadIsReportedAndTheWindowStays) {
    // Page 2 holds a record code the reader does not know.
    test::StreamBytes s;
    QByteArray stream = test::numberedPages(2);
    const qsizetype end = stream.lastIndexOf('R');
    stream.insert(end, '\x63');
    open(stream);
    test::focus(pageEdit());
    QTest::keyClick(pageEdit(), 'n');
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0].text,
              QStringLiteral("Unexpected code [99] found in report file."));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(page(), 2);
    QTest::keyClick(pageEdit(), 'b');
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(services.boxes.shown.size(), 1u);
}

TEST_F(PreviewWindowTest, AStreamThatCannotBeReadEndsTheStart) {
    path = dir.write(QStringLiteral("bad.rps"), "Z\xe1\x07");
    TRptPreviewForm fresh;
    fresh.setInputFileName(path);
    EXPECT_THROW(fresh.startPreview(), AppError);
    fresh.setInputFileName(dir.file(QStringLiteral("missing.rps")));
    EXPECT_THROW(fresh.startPreview(), AppError);
}

TEST_F(PreviewWindowTest, GoToPageAsksForThePage) {
    const struct {
        std::optional<QString> answer;
        int page;
    } cases[] = {
        {QStringLiteral("3"), 3}, {QStringLiteral("0"), 1},  {QStringLiteral("99"), 3},
        {QStringLiteral("2"), 2}, {QStringLiteral("-1"), 2}, {QStringLiteral("x"), 2},
        {QStringLiteral(""), 2},  {std::nullopt, 2},
    };
    open(test::numberedPages(3));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.value_or(QStringLiteral("(cancelled)")).toStdString());
        form->RenderPreview().showPage(2);
        services.dialogs.inputRequests.clear();
        services.dialogs.inputAnswers.push_back(c.answer);
        test::focus(pageEdit());
        key(Qt::Key_G, Qt::ControlModifier);
        ASSERT_EQ(services.dialogs.inputRequests.size(), 1u);
        EXPECT_EQ(
            services.dialogs.inputRequests[0],
            (InputTextRequest{QStringLiteral("Go to Page"),
                              QStringLiteral("Enter page to move to:"), QStringLiteral("2")}));
        EXPECT_EQ(page(), c.page);
    }
}

// A file format of the output list that writes its name and the stream.
class MarkedCopy : public TRptRenderFile {
public:
    QString displayName() const override { return QStringLiteral("Marked Copy (MKC)"); }
    QString extension() const override { return QStringLiteral(".mkc"); }
    void convert(QIODevice& stream, const QString& fileName) override {
        QFile out(fileName);
        if (!out.open(QIODevice::WriteOnly))
            throw AppError(QStringLiteral("cannot write ") + fileName);
        out.write("MKC:" + stream.readAll());
    }
};

class PreviewSaveTest : public PreviewWindowTest {
protected:
    void SetUp() override {
        auto format = std::make_unique<MarkedCopy>();
        format->Active = true;
        marked = &RptOutputFormats::instance().add(std::move(format));
    }
    void TearDown() override {
        RptOutputFormats::instance().remove(marked);
        PreviewWindowTest::TearDown();
    }
    void saveAs(const QString& name, int filterIndex) {
        services.dialogs.saveAnswers.push_back(SaveFileAnswer{name, filterIndex});
        test::focus(pageEdit());
        key(Qt::Key_S, Qt::ControlModifier);
    }
    TRptRenderFile* marked = nullptr;
};

TEST_F(PreviewSaveTest, SnapshotIsTheStreamByteForByteAndThePreviewStaysWhereItWas) {
    const QByteArray stream = test::numberedPages(3);
    open(stream);
    form->RenderPreview().showPage(2);
    scrollBox()->setScrollPosition({30, 200});
    const qint64 position = form->RenderPreview().stream()->pos();
    const QString target = dir.write(QStringLiteral("saved.rps"), "an older file");
    saveAs(target, 1);
    ASSERT_EQ(services.dialogs.saveRequests.size(), 1u);
    const SaveFileRequest& request = services.dialogs.saveRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("Save File"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral(".rps"));
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(request.filter.left(request.filter.indexOf(QStringLiteral("|Marked"))),
              QStringLiteral("Report Snapshot Files (*.rps)|*.rps"));
    EXPECT_TRUE(request.filter.endsWith(QStringLiteral("|Marked Copy (MKC)|*.mkc")))
        << request.filter.toStdString();
    EXPECT_EQ(test::readFile(target), stream);
    EXPECT_EQ(page(), 2);
    EXPECT_EQ(scrollBox()->scrollPosition(), QPoint(30, 200));
    EXPECT_EQ(form->RenderPreview().stream()->pos(), position);
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PreviewSaveTest, LaterEntriesConvertThroughTheirFormat) {
    const QByteArray stream = test::numberedPages(2);
    open(stream);
    const QString target = dir.file(QStringLiteral("copy.mkc"));
    saveAs(target, 1 + int(RptOutputFormats::instance().active().size()));
    EXPECT_EQ(test::readFile(target), "MKC:" + stream);
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(PreviewWindowTest, SaveAsWithThePdfFilterWritesAPdfDocument) {
    TRptRenderFile& pdf = RptOutputFormats::instance().add(std::make_unique<TRptRenderPDF>());
    open(test::numberedPages(3));
    // A bare name gets the chosen format's extension, not the dialog's ".rps".
    services.dialogs.saveAnswers.push_back(SaveFileAnswer{dir.file(QStringLiteral("passport")), 2});
    const QString target = dir.file(QStringLiteral("passport.pdf"));
    test::focus(pageEdit());
    key(Qt::Key_S, Qt::ControlModifier);
    RptOutputFormats::instance().remove(&pdf);
    ASSERT_EQ(services.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(services.dialogs.saveRequests[0].filter,
              QStringLiteral("Report Snapshot Files (*.rps)|*.rps|PDF Document (PDF)|*.pdf"));
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_TRUE(test::readFile(target).startsWith("%PDF-"));
    if (test::canRunHostTools()) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {target});
        ASSERT_TRUE(info.waitForFinished(30000));
        EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           3"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("passport.pdf"), QStringLiteral("report.rps")}));
}

TEST_F(PreviewSaveTest, FailuresAreShownWithThePositionAndCursorBack) {
    open(test::numberedPages(3));
    form->RenderPreview().showPage(3);
    const qint64 position = form->RenderPreview().stream()->pos();
    const QString missing = dir.file(QStringLiteral("no folder/saved.rps"));
    saveAs(missing, 1);
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0].kind, BoxKind::Error);
    EXPECT_EQ(services.boxes.shown[0].text,
              QStringLiteral("Cannot create file \"%1\". %2.")
                  .arg(test::shownPath(missing), test::reasonFor(test::Refusal::NoSuchFolder)));
    EXPECT_EQ(form->RenderPreview().stream()->pos(), position);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(page(), 3);

    // Cancelled: nothing is written.
    services.boxes.shown.clear();
    test::focus(pageEdit());
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.rps")});
}

} // namespace
} // namespace zamt

namespace zamt {
namespace {

// On a screen with two device pixels per pixel the picture has twice the
// pixels and the same size. The scale factor must be set before the
// application starts, so the test runs itself again with it.
TEST(PreviewHighDensity, PictureHasTwiceThePixelsAndTheSameSize) {
    if (qgetenv("QT_SCALE_FACTOR") != "2") {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=PreviewHighDensity.*")});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QByteArray output = child.readAllStandardOutput();
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        return;
    }
    test::TempDir dir;
    TRptPreviewForm form;
    form.setInputFileName(dir.write(QStringLiteral("report.rps"), test::numberedPages(1)));
    form.startPreview();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* box = test::child<TRptScrollBox>(&form, "ScrollBox1");
    ASSERT_EQ(box->devicePixelRatioF(), 2.0);
    EXPECT_EQ(box->logicalDpiY(), 96);
    // The window's values: 816 by 1056 pixels of paper and a shadow of 2.
    EXPECT_EQ(box->picture()->size(), QSize(818, 1058));
    const QImage image = box->pictureImage();
    EXPECT_EQ(image.size(), QSize(1636, 2116));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    // The text "Page 1" begins at 192 device pixels: nothing left of it.
    for (int y = 150; y < 200; ++y)
        EXPECT_EQ(image.pixel(189, y), qRgb(255, 255, 255)) << y;
    int dark = 0;
    for (int y = 150; y < 193; ++y)
        for (int x = 192; x < 300; ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 100);
}

} // namespace
} // namespace zamt
