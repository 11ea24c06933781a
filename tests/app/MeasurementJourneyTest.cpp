// A whole measurement as a technician makes it, keyboard only: the geometry
// window from the menu, the worked example typed along the Enter chain, the
// hydraulics window, the record written to data07.txt and loaded back.
#include "app/CreateForms.h"
#include "app/TForm1.h"
#include "calc/Measurement.h"
#include "measure/TForm2.h"
#include "measure/TForm3.h"
#include "platform/CodePage.h"
#include "records/RecordTestSupport.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

namespace zamt {
namespace {

class MeasurementJourneyTest : public testing::Test {
protected:
    void SetUp() override {
        measurement() = {};
        createForms();
        Form1->show();
        QApplication::processEvents();
    }
    void TearDown() override { destroyForms(); }

    // Types into the focused box and steps on with Enter, as the chain does.
    static void typeAndEnter(const QString& text) {
        QWidget* box = QApplication::focusWidget();
        ASSERT_NE(box, nullptr);
        test::type(box, text);
        test::pressKey(box, Qt::Key_Return, QStringLiteral("\r"));
    }

    test::ScriptedServices services;
};

TEST_F(MeasurementJourneyTest, TheWorkedExampleTypedByKeyboardGivesTheExampleRecord) {
    test::TempDir dir;
    const QString record = dir.file("data07.txt");

    test::child<QAction>(Form1, "geometr1")->trigger();
    ASSERT_TRUE(form2()->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2()));
    // The window opens with the name box focused; its start text is selected
    // from the keyboard and typed over.
    auto* name = test::child<QLineEdit>(form2(), "Edit1");
    ASSERT_EQ(QApplication::focusWidget(), name);
    QTest::keyClick(name, Qt::Key_Home, Qt::ShiftModifier);
    for (const char* text : {"Насосная станция 3", "100", "5", "1", "45", "10"})
        typeAndEnter(QString::fromUtf8(text));
    auto* calculate = test::child<QPushButton>(form2(), "Button1");
    ASSERT_EQ(QApplication::focusWidget(), calculate);
    test::pressKey(calculate, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(calculate->text(), QString::fromUtf8("ещё поправки?"));
    EXPECT_EQ(measurement().object_name, cp1251("Насосная станция 3"));

    test::click(test::child<QPushButton>(form2(), "Button2"));
    ASSERT_TRUE(form3()->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form3()));
    test::click(test::child<QPushButton>(form3(), "Button1"));
    auto* write = test::child<QPushButton>(form3(), "Button4");
    ASSERT_TRUE(write->isEnabled());

    services.dialogs.answers.push_back(record);
    test::pressKey(write, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_FALSE(form2()->isVisible());
    ASSERT_EQ(services.dialogs.requests.size(), 1u);
    EXPECT_TRUE(services.dialogs.requests[0].fileName.endsWith(QStringLiteral("/data07.txt")));

    const QByteArray written = test::readFile(record);
    EXPECT_EQ(written.size(), 1492);
    EXPECT_EQ(written.toStdString(), test::exampleRecord(','));
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0],
              (MessageBox{BoxKind::Information, "Information",
                          QString::fromUtf8("Уже записано: 11Kbit")}));

    // Loaded back into the main window, one line of the view per record line.
    test::child<QAction>(Form1, "thten1")->trigger();
    services.dialogs.answers.push_back(record);
    test::click(test::child<QPushButton>(Form1, "Button1"));
    auto* memo = test::child<QPlainTextEdit>(Form1, "Memo");
    EXPECT_EQ(memo->document()->blockCount(), 31); // 30 lines, each ended by a break
    EXPECT_EQ(memo->document()->findBlockByNumber(1).text(),
              QString::fromUtf8("наименование: Насосная станция 3"));
}

} // namespace
} // namespace zamt
