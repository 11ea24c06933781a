#include "app/CreateForms.h"
#include "app/TForm1.h"
#include "app/TForm6.h"
#include "measure/TForm2.h"
#include "measure/TForm3.h"
#include "measure/TForm9.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"
#include "support/SystemDifferences.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>

namespace zamt {
namespace {

const QString kStartLine = QString::fromUtf8("для записи используйте файл \"data07.txt\"");

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        createForms();
        Form1->show();
        QApplication::processEvents();
    }
    void TearDown() override { destroyForms(); }

    QPlainTextEdit* memo() { return test::child<QPlainTextEdit>(Form1, "Memo"); }
    QPushButton* btRun() { return test::child<QPushButton>(Form1, "btRun"); }
    QWidget* panel3() { return test::child(Form1, "Panel3"); }
    void trigger(const char* action) { test::child<QAction>(Form1, action)->trigger(); }

    test::ScriptedServices services;
};

TEST_F(MainWindowTest, StartsWithOnlyTheMainWindowShownUnderTheWorkersPicture) {
    for (const void* later : {(void*)Form2, (void*)Form3, (void*)Form6, (void*)Form9})
        EXPECT_EQ(later, nullptr) << "a window the start does not show is made when first needed";
    const struct {
        QWidget* window;
        const char* caption;
        bool visible;
    } windows[] = {
        {Form1, "zamt05", true},      {form2(), "geom", false},      {form3(), "gidravl", false},
        {form6(), "About My", false}, {form9(), "рисунок 7", false},
    };
    for (const auto& w : windows) {
        ASSERT_NE(w.window, nullptr) << w.caption;
        EXPECT_EQ(w.window->windowTitle(), QString::fromUtf8(w.caption));
        EXPECT_EQ(w.window->isVisible(), w.visible) << w.caption;
    }
    EXPECT_TRUE(panel3()->isVisible());
    EXPECT_EQ(panel3()->geometry(), QRect(0, 0, 353, 349));
    const QPixmap workers = test::child<QLabel>(Form1, "Image1")->pixmap();
    EXPECT_EQ(workers.size(), QSize(352, 305));
    EXPECT_EQ(Form1->centralWidget()->size(), QSize(353, 305));
    EXPECT_EQ(memo()->toPlainText(), kStartLine);
    EXPECT_TRUE(btRun()->isEnabled());
    EXPECT_EQ(Form1->RptProject1.projectFile(), QDir::current().absoluteFilePath("Project1.rpj"));
}

TEST_F(MainWindowTest, MenuItemsShowTheirWindowsAndUncoverTheTextView) {
    trigger("gidravl1");
    EXPECT_FALSE(form3()->isVisible());
    EXPECT_FALSE(form2()->isVisible());

    trigger("geometr1");
    EXPECT_TRUE(form2()->isVisible());
    trigger("geometr1"); // already visible: stays, only comes to the front
    EXPECT_TRUE(form2()->isVisible());

    trigger("About1");
    EXPECT_TRUE(form6()->isVisible());

    trigger("thten1");
    EXPECT_FALSE(panel3()->isVisible());
    EXPECT_TRUE(memo()->isVisible());
    EXPECT_TRUE(btRun()->isVisible());
    trigger("thten1");
    EXPECT_FALSE(panel3()->isVisible());
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(MainWindowTest, ClosingOtherWindowsHidesThemAndKeepsThem) {
    trigger("About1");
    test::click(test::child<QToolButton>(form6(), "SpeedButton1"));
    EXPECT_FALSE(form6()->isVisible());
    trigger("About1");
    form6()->close(); // its own close box
    EXPECT_FALSE(form6()->isVisible());
    EXPECT_EQ(test::child<QLabel>(form6(), "Image1")->pixmap().size(), QSize(62, 84));
    EXPECT_EQ(test::child<QLabel>(form6(), "Image2")->pixmap().size(), QSize(60, 160));

    form9()->show();
    test::click(test::child<QPushButton>(form9(), "Button1"));
    EXPECT_FALSE(form9()->isVisible());
    EXPECT_EQ(test::child<QLabel>(form9(), "Image1")->pixmap().size(), QSize(574, 406));
    form9()->show();
    form9()->close();
    EXPECT_FALSE(form9()->isVisible());
    EXPECT_TRUE(Form1->isVisible());
}

TEST_F(MainWindowTest, FileButtonLoadsTheChosenFileAndEnablesTheReport) {
    test::TempDir dir;
    const QString path = dir.write("record.txt", "first\r\nsecond\nthird\r\xCD\xE0");
    services.dialogs.answers.push_back(path);
    btRun()->setEnabled(false);
    test::click(test::child<QPushButton>(Form1, "Button1"));
    ASSERT_EQ(services.dialogs.requests.size(), 1u);
    EXPECT_EQ(services.dialogs.requests[0].filter, QString::fromUtf8("Текстовые файла|*.txt"));
    EXPECT_EQ(memo()->toPlainText(), QString::fromUtf8("first\nsecond\nthird\nНа"));
    EXPECT_EQ(memo()->document()->blockCount(), 4);
    EXPECT_TRUE(btRun()->isEnabled());
    EXPECT_TRUE(services.boxes.shown.empty());

    const QString empty = dir.write("empty.txt", "");
    services.dialogs.answers.push_back(empty);
    test::click(test::child<QPushButton>(Form1, "Button1"));
    EXPECT_EQ(memo()->toPlainText(), QString());
}

TEST_F(MainWindowTest, RefusedOrCancelledLoadsChangeNothing) {
    test::TempDir dir;
    const QString missing = dir.file("gone.txt");
    const QString tooBig = dir.write("big.txt", QByteArray(16 * 1024 * 1024 + 1, 'x'));
    btRun()->setEnabled(false);
    services.dialogs.answers = {std::nullopt, missing, dir.path(), tooBig};
    for (int press = 0; press < 4; ++press)
        test::click(test::child<QPushButton>(Form1, "Button1"));
    EXPECT_EQ(memo()->toPlainText(), kStartLine);
    EXPECT_FALSE(btRun()->isEnabled());
    const std::vector<MessageBox> expected = {
        {BoxKind::Error, "zamt05",
         QStringLiteral("Cannot open file \"%1\". %2.")
             .arg(test::shownPath(missing), test::reasonFor(test::Refusal::NoSuchFile))},
        {BoxKind::Error, "zamt05",
         QStringLiteral("Cannot open file \"%1\". %2.")
             .arg(test::shownPath(dir.path()), test::reasonFor(test::Refusal::FolderRead))},
        {BoxKind::Error, "zamt05", "Text exceeds memo capacity."},
    };
    EXPECT_EQ(services.boxes.shown, expected);
}

TEST_F(MainWindowTest, HelpOpensTopicOneOrReportsAMissingFile) {
    test::TempDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    trigger("N1");
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0].caption, QStringLiteral("Help"));
    EXPECT_EQ(services.boxes.shown[0].text,
              QStringLiteral("Cannot find the help file \"helpZ.hlp\"."));

    dir.write("helpZ.hlp", "@1 Как работает программа\nШаг первый.\n@2 Other\nx\n");
    trigger("N1");
    QDir::setCurrent(previous);
    EXPECT_EQ(services.boxes.shown.size(), 1u);
    auto* help = Form1->findChild<QDialog*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Как работает программа"));
    EXPECT_EQ(help->findChild<QTextBrowser*>()->toPlainText(), QString::fromUtf8("Шаг первый."));
    // Placed by its frame like the other windows, wholly on the screen.
    const QRect screen = help->screen()->availableGeometry();
    EXPECT_EQ(help->frameGeometry().topLeft(), screen.topLeft() + QPoint(192, 107));
    EXPECT_TRUE(screen.contains(help->frameGeometry())) << help->frameGeometry().bottom();
}

TEST_F(MainWindowTest, ThePicturePanelKeepsItsPlaceWhenTheWindowGrows) {
    Form1->resize(Form1->width() + 100, Form1->height() + 80);
    QApplication::processEvents();
    const QSize client = Form1->centralWidget()->size();
    EXPECT_EQ(panel3()->geometry(), QRect(0, 0, 353, 349));
    EXPECT_EQ(test::child(Form1, "Panel2")->geometry(),
              QRect(0, client.height() - 41, client.width(), 41));
    EXPECT_EQ(test::child(Form1, "Panel1")->geometry(),
              QRect(0, 0, client.width(), client.height() - 41));
}

} // namespace
} // namespace zamt
