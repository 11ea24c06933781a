#include "WindowTestSupport.h"
#include "app/CreateForms.h"
#include "calc/Measurement.h"
#include "measure/TForm2.h"
#include "measure/TForm3.h"
#include "look/WindowLook.h"
#include "platform/CodePage.h"
#include "platform/DecimalSeparator.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace zamt {
namespace {

using test::error;
using test::kCalculate;
using test::kFresh;
using test::kRecalculate;
using test::refusal;

const QString kNothingEntered = QString::fromUtf8("введите что нибудь!");
const QString kDiameterTooSmall = QString::fromUtf8("диаметр только больше 50 мм!");
const QString kStartName = QString::fromUtf8("сотрите эту надпись");

const char* const kResultLabels[] = {"Label8",  "Label9",  "Label10", "Label11",
                                     "Label17", "Label18", "Label25"};


class GeometryWindowTest : public testing::Test {
protected:
    void SetUp() override {
        measurement() = {};
        createForms();
        showWindow(form2());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form2()));
    }
    void TearDown() override {
        destroyForms();
        setDecimalSeparator(',');
    }

    QLineEdit* edit(int n) {
        return test::child<QLineEdit>(form2(), QStringLiteral("Edit%1").arg(n).toLatin1().constData());
    }
    QString label(const char* name) { return test::child<QLabel>(form2(), name)->text(); }
    QPushButton* button1() { return test::child<QPushButton>(form2(), "Button1"); }

    // Puts texts into the boxes as a paste would, past the key filters.
    void fill(const QString& name, const char* Dn, const char* ds, const char* dn,
              const char* angle, const char* offset) {
        edit(1)->setText(name);
        const char* numbers[] = {Dn, ds, dn, angle, offset};
        for (int i = 0; i < 5; ++i)
            edit(i + 2)->setText(QString::fromUtf8(numbers[i]));
    }
    void calculate() { test::click(button1()); }

    // Gives the box the focus the way Tab does, also when it has it already.
    static void tabInto(QLineEdit* box) {
        box->clearFocus();
        box->setFocus(Qt::TabFocusReason);
    }
    // Types into whatever has the focus, key by key, as the user does.
    static void typeKeys(const QString& text) {
        for (const QChar ch : text) {
            if (ch == QLatin1Char('\r'))
                test::pressKey(QApplication::focusWidget(), Qt::Key_Return, QStringLiteral("\r"));
            else
                test::type(QApplication::focusWidget(), QString(ch));
        }
    }
    // The labels of the window, in the order of kResultLabels.
    std::vector<QString> results() {
        std::vector<QString> texts;
        for (const char* name : kResultLabels)
            texts.push_back(label(name));
        return texts;
    }

    test::ScriptedServices services;
};

TEST_F(GeometryWindowTest, LayoutPlacesEveryComponentWithItsCaption) {
    EXPECT_EQ(form2()->windowTitle(), QStringLiteral("geom"));
    EXPECT_EQ(form2()->pos(), QPoint(1, 121));
    EXPECT_EQ(form2()->palette().color(QPalette::Window), colors::skyBlue);

    auto* panel1 = test::child<QFrame>(form2(), "Panel1");
    EXPECT_EQ(panel1->geometry(), QRect(8, 8, 385, 433));
    EXPECT_EQ(panel1->frameShadow(), QFrame::Raised);
    auto* bevel1 = test::child<QFrame>(form2(), "Bevel1");
    EXPECT_EQ(bevel1->parentWidget(), panel1);
    EXPECT_EQ(bevel1->geometry(), QRect(8, 8, 369, 417));
    EXPECT_EQ(bevel1->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(bevel1->cursor().shape(), Qt::PointingHandCursor);

    // Captions, place (left, top; width and height where fixed), word wrap.
    const struct {
        const char* name;
        int left, top, width, height;
        const char* caption;
    } labels[] = {
        {"Label5", 40, 24, 81, 25, "наименование объекта"},
        {"Label1", 64, 64, 0, 0, "внутренний диаметр трубопровода в мм"},
        {"Label2", 78, 88, 0, 0, "толщина  стенки трубопровода в мм"},
        {"Label3", 76, 112, 0, 0, "толщина отложений на стенках в мм"},
        {"Label4", 87, 136, 178, 33, "угол между осью трубы и акустическим каналом в градусах"},
        {"Label24", 48, 168, 212, 33, "смещение оси акустичекого канала от оси трубопровода в мм"},
        {"Label7", 24, 232, 0, 0, "истинный внутренний диаметр трубопровода в мм"},
        {"Label19", 94, 248, 0, 0, "толщина  стенки трубопровода в мм"},
        {"Label20", 92, 272, 0, 0, "толщина отложений на стенках в мм"},
        {"Label21", 87, 288, 193, 33, "угол мужду осью трубы и акустическим каналом в градусах"},
        {"Label14", 64, 320, 0, 0, "длина акустичекого канала L_a в мм точно"},
        {"Label15", 64, 344, 0, 0, "длина акустичекого канала L_a в мм грубо"},
        {"Label16", 160, 368, 0, 0, "коеффициент zamt_L_a"},
        {"Label8", 296, 232, 0, 0, "результат"},
        {"Label9", 296, 248, 0, 0, "результат"},
        {"Label10", 296, 272, 0, 0, "результат"},
        {"Label11", 296, 296, 0, 0, "результат"},
        {"Label17", 296, 320, 0, 0, "результат"},
        {"Label18", 296, 344, 0, 0, "результат"},
        {"Label25", 296, 368, 0, 0, "результат"},
    };
    for (const auto& l : labels) {
        auto* widget = test::child<QLabel>(form2(), l.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), panel1) << l.name;
        EXPECT_EQ(widget->text(), QString::fromUtf8(l.caption)) << l.name;
        EXPECT_EQ(widget->pos(), QPoint(l.left, l.top)) << l.name;
        const bool fixedSize = l.width != 0;
        EXPECT_EQ(widget->wordWrap(), fixedSize) << l.name;
        if (fixedSize) {
            EXPECT_EQ(widget->size(), QSize(l.width, l.height)) << l.name;
        } else {
            // Sized to the caption: nothing of it is cut off.
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << l.name;
        }
    }
    for (const char* name : kResultLabels) {
        auto* result = test::child<QLabel>(form2(), name);
        EXPECT_TRUE(result->autoFillBackground()) << name;
        EXPECT_EQ(result->palette().color(QPalette::Window), colors::cream) << name;
    }

    auto* panel2 = test::child<QLabel>(form2(), "Panel2");
    EXPECT_EQ(panel2->geometry(), QRect(40, 200, 313, 17));
    EXPECT_EQ(panel2->text(), QString::fromUtf8("проверка данных для записи"));
    EXPECT_EQ(panel2->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(panel2->palette().color(QPalette::Window), colors::desktop);
    EXPECT_TRUE(panel2->autoFillBackground());

    const struct {
        int n;
        int left, top, width;
        const char* text;
    } boxes[] = {
        {1, 128, 24, 217, "сотрите эту надпись"}, {2, 272, 56, 81, "0"},
        {3, 272, 80, 81, "0"},                    {4, 272, 104, 81, "0"},
        {5, 272, 136, 81, "0"},                   {6, 272, 168, 81, "0"},
    };
    for (const auto& b : boxes) {
        EXPECT_EQ(edit(b.n)->parentWidget(), panel1) << b.n;
        EXPECT_EQ(edit(b.n)->pos(), QPoint(b.left, b.top)) << b.n;
        EXPECT_EQ(edit(b.n)->width(), b.width) << b.n;
        EXPECT_EQ(edit(b.n)->text(), QString::fromUtf8(b.text)) << b.n;
    }

    const struct {
        const char* name;
        QRect geometry;
        const char* caption;
    } buttons[] = {
        {"Button1", {40, 392, 121, 25}, "считаем?"},
        {"Button2", {184, 392, 177, 25}, "переходим на гидравлику"},
    };
    for (const auto& b : buttons) {
        auto* button = test::child<QPushButton>(form2(), b.name);
        EXPECT_EQ(button->geometry(), b.geometry) << b.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption)) << b.name;
    }
}

TEST_F(GeometryWindowTest, TabGoesThroughTheBoxesAndButtonsInTheirOrder) {
    tabInto(edit(1));
    const char* expected[] = {"Edit2",   "Edit3", "Edit4", "Button1",
                              "Button2", "Edit5", "Edit6", "Edit1"};
    for (const char* name : expected) {
        test::pressKey(QApplication::focusWidget(), Qt::Key_Tab, QStringLiteral("\t"));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
    }
    // A box reached by Tab selects its whole text, so typing replaces it.
    tabInto(edit(5));
    EXPECT_EQ(edit(5)->selectedText(), QStringLiteral("0"));
}

TEST_F(GeometryWindowTest, EnterStepsFromBoxToBoxDownToTheCalculationButton) {
    tabInto(edit(1));
    const char* expected[] = {"Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Button1"};
    for (const char* name : expected) {
        QWidget* from = QApplication::focusWidget();
        test::pressKey(from, Qt::Key_Return, QStringLiteral("\r"));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
        if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            EXPECT_EQ(box->selectedText(), box->text()) << name;
        }
    }
    // Enter only moved the focus: no box changed, nothing was calculated.
    EXPECT_EQ(edit(1)->text(), kStartName);
    EXPECT_EQ(edit(6)->text(), QStringLiteral("0"));
    EXPECT_EQ(button1()->text(), kCalculate);
    EXPECT_TRUE(services.boxes.shown.empty());
}

// The worked example typed with the keyboard only, under either separator:
// the name, Enter, each number replacing the selected "0", Enter, and Enter
// on "считаем?".
TEST_F(GeometryWindowTest, WorkedExampleTypedWithTheKeyboardUnderBothSeparators) {
    const struct {
        char separator;
        const char* offsetKeys; // typed with the other mark, put in as the separator
        const char* offsetText;
        std::vector<const char*> labels;
    } runs[] = {
        {',', "10.0", "10,0", {"100,00", "5,00", "1,00", "45,00", "164,52", "141,42", "0,997998"}},
        {'.', "10,0", "10.0", {"100.00", "5.00", "1.00", "45.00", "164.52", "141.42", "0.997998"}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(std::string("separator ") + run.separator);
        destroyForms();
        measurement() = {};
        services.boxes.shown.clear();
        setDecimalSeparator(run.separator);
        createForms();
        showWindow(form2());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form2()));

        // The window opens with the name box focused; the user selects its
        // start text from the keyboard and types over it.
        ASSERT_EQ(QApplication::focusWidget(), edit(1));
        QTest::keyClick(edit(1), Qt::Key_Home, Qt::ShiftModifier);
        typeKeys(QString::fromUtf8("Насосная станция 3\r100\r5\r1\r45\r") +
                 QString::fromLatin1(run.offsetKeys) + QStringLiteral("\r"));
        EXPECT_EQ(edit(1)->text(), QString::fromUtf8("Насосная станция 3"));
        EXPECT_EQ(edit(2)->text(), QStringLiteral("100"));
        EXPECT_EQ(edit(6)->text(), QString::fromLatin1(run.offsetText));
        ASSERT_EQ(QApplication::focusWidget(), button1());
        test::pressKey(button1(), Qt::Key_Return, QStringLiteral("\r"));

        EXPECT_TRUE(services.boxes.shown.empty());
        std::vector<QString> expected;
        for (const char* text : run.labels)
            expected.push_back(QString::fromLatin1(text));
        EXPECT_EQ(results(), expected);
        EXPECT_EQ(button1()->text(), kRecalculate);

        const Measurement& m = measurement();
        EXPECT_EQ(m.object_name, cp1251("Насосная станция 3"));
        EXPECT_EQ(m.D_calc, 116.33);
        EXPECT_EQ(m.ds, 5);
        EXPECT_EQ(m.dn, 1);
        EXPECT_EQ(m.angle_deg, 45);
        EXPECT_EQ(m.offset, 10);
        EXPECT_DOUBLE_EQ(m.L_a_exact, 164.5154637108621470);
        EXPECT_DOUBLE_EQ(m.L_a_rough, 141.4213562373095049);
        EXPECT_DOUBLE_EQ(m.K_La, 0.9979979959899719157);
        EXPECT_EQ(m.nu, 0);
        EXPECT_EQ(m.K_corr, 0);
    }
}

TEST_F(GeometryWindowTest, RefusalsComeInTheirOrderAndChangeNothing) {
    const struct {
        const char* name;
        const char* boxes[5];
        QString message;
    } cases[] = {
        {"start texts", {"0", "0", "0", "0", "0"}, kNothingEntered},
        {"Dn 0, later garbage not read", {"0", "x", "", "1.5", "?"}, kNothingEntered},
        {"ds 0, later garbage not read", {"100", "0", "", "x", ""}, kNothingEntered},
        {"dn 0", {"100", "5", "0", "45", "10"}, kNothingEntered},
        {"angle 0", {"100", "5", "1", "0", "garbage"}, kNothingEntered},
        {"offset 0", {"100", "5", "1", "45", "0"}, kNothingEntered},
        {"separator only", {"100", "5", ",", "45", "10"}, kNothingEntered},
        {"zero tests first", {"30", "0", "1", "45", "10"}, kNothingEntered},
        {"Dn 50", {"50", "5", "1", "45", "10"}, kDiameterTooSmall},
        {"Dn 30", {"30", "5", "1", "45", "10"}, kDiameterTooSmall},
    };
    const auto run = [&](const char* const (&boxes)[5]) {
        fill(QString::fromUtf8("другой объект"), boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]);
        calculate();
    };

    // On a fresh window, and after a successful calculation.
    for (const bool afterSuccess : {false, true}) {
        SCOPED_TRACE(afterSuccess ? "after a calculation" : "fresh window");
        if (afterSuccess) {
            services.boxes.shown.clear();
            fill(QString::fromUtf8("Объект"), "100", "5", "1", "45", "10");
            calculate();
            ASSERT_TRUE(services.boxes.shown.empty());
        }
        const Measurement state = measurement();
        const std::vector<QString> labels = results();
        const QString caption = button1()->text();
        EXPECT_EQ(caption, afterSuccess ? kRecalculate : kCalculate);
        for (const auto& c : cases) {
            services.boxes.shown.clear();
            run(c.boxes);
            EXPECT_EQ(services.boxes.shown, std::vector<MessageBox>{refusal(c.message)}) << c.name;
            EXPECT_EQ(measurement(), state) << c.name;
            EXPECT_EQ(results(), labels) << c.name;
            EXPECT_EQ(button1()->text(), caption) << c.name;
        }
    }
}

TEST_F(GeometryWindowTest, TextThatIsNotANumberShowsTheErrorBoxAndChangesNothing) {
    const struct {
        const char* name;
        const char* boxes[5];
        const char* message;
    } cases[] = {
        {"empty box", {"100", "5", "", "45", "10"}, "'' is not a valid floating point value."},
        {"full stop under a comma", {"100.5", "5", "1", "45", "10"},
         "'100.5' is not a valid floating point value."},
        {"pasted unit", {"100", "5", "1", "45", "10 mm"},
         "'10 mm' is not a valid floating point value."},
    };
    for (const auto& c : cases) {
        services.boxes.shown.clear();
        fill(kStartName, c.boxes[0], c.boxes[1], c.boxes[2], c.boxes[3], c.boxes[4]);
        calculate();
        EXPECT_EQ(services.boxes.shown, std::vector<MessageBox>{error(QString::fromUtf8(c.message))})
            << c.name;
        EXPECT_EQ(measurement(), Measurement{}) << c.name;
        EXPECT_EQ(results(), std::vector<QString>(7, kFresh)) << c.name;
        EXPECT_EQ(button1()->text(), kCalculate) << c.name;
    }
}

TEST_F(GeometryWindowTest, NegativeRootLeavesExactlyStepsSevenToTen) {
    // A first calculation, then one whose offset is above Dn²/4 = 3600.
    fill(QString::fromUtf8("Первый"), "100", "5", "1", "45", "10");
    calculate();
    const Measurement first = measurement();
    fill(QString::fromUtf8("Второй"), "120", "7", "2", "90", "3601");
    calculate();

    EXPECT_EQ(services.boxes.shown,
              std::vector<MessageBox>{error(QStringLiteral("Invalid floating point operation."))});
    const Measurement& m = measurement();
    EXPECT_EQ(m.ds, 7);
    EXPECT_EQ(m.dn, 2);
    EXPECT_EQ(m.angle_deg, 90);
    EXPECT_EQ(m.offset, 3601);
    EXPECT_DOUBLE_EQ(m.L_a_exact, 136.33);
    EXPECT_DOUBLE_EQ(m.L_a_rough, 169.7056274847714059);
    EXPECT_EQ(m.K_La, first.K_La);
    EXPECT_EQ(m.D_calc, first.D_calc);
    EXPECT_EQ(m.object_name, first.object_name);
    EXPECT_EQ(results(), (std::vector<QString>{"100,00", "7,00", "2,00", "90,00", "136,33",
                                               "169,71", "0,997998"}));
    EXPECT_EQ(button1()->text(), kRecalculate);
}

TEST_F(GeometryWindowTest, NegativeRootOnAFreshWindowKeepsItsCaptionAndFreshLabels) {
    fill(kStartName, "100", "5", "1", "45", "2501");
    calculate();
    EXPECT_EQ(services.boxes.shown,
              std::vector<MessageBox>{error(QStringLiteral("Invalid floating point operation."))});
    EXPECT_EQ(results(), (std::vector<QString>{kFresh, "5,00", "1,00", "45,00", "164,52", "141,42",
                                               kFresh}));
    EXPECT_EQ(button1()->text(), kCalculate);
    EXPECT_EQ(measurement().D_calc, 0);
    EXPECT_EQ(measurement().K_La, 0);
    EXPECT_EQ(measurement().object_name, "");
}

TEST_F(GeometryWindowTest, BordersAndSpecialValuesInTheLabels) {
    const struct {
        const char* name;
        const char* boxes[5];
        std::vector<QString> labels; // Label8, 9, 10, 11, 17, 18, 25
    } cases[] = {
        {"Dn 50,01", {"50,01", "5", "1", "45", "10"},
         {"50,01", "5,00", "1,00", "45,00", "93,82", "70,72", "0,991971"}},
        {"angle 90", {"100", "5", "1", "90", "10"},
         {"100,00", "5,00", "1,00", "90,00", "116,33", "141,42", "0,997998"}},
        {"angle above 180", {"100", "5", "1", "225", "10"},
         {"100,00", "5,00", "1,00", "225,00", "-164,52", "141,42", "0,997998"}},
        {"offset Dn²/4", {"100", "5", "1", "45", "2500"},
         {"100,00", "5,00", "1,00", "45,00", "164,52", "141,42", "0,000000"}},
        {"diameter 123456", {"123456", "5", "1", "90", "10"},
         {"1,2346E05", "5,00", "1,00", "90,00", "1,2347E05", "1,7459E05", "1,000000"}},
    };
    for (const auto& c : cases) {
        services.boxes.shown.clear();
        fill(kStartName, c.boxes[0], c.boxes[1], c.boxes[2], c.boxes[3], c.boxes[4]);
        calculate();
        EXPECT_TRUE(services.boxes.shown.empty()) << c.name;
        EXPECT_EQ(results(), c.labels) << c.name;
        EXPECT_EQ(button1()->text(), kRecalculate) << c.name;
        EXPECT_EQ(measurement().object_name, cp1251("сотрите эту надпись")) << c.name;
    }
    // A result label grows with its text: the scientific form is not cut off.
    auto* label8 = test::child<QLabel>(form2(), "Label8");
    EXPECT_GE(label8->width(), label8->sizeHint().width());
}

TEST_F(GeometryWindowTest, NumericBoxesTakeDigitsAndOneSeparatorFromRealKeys) {
    const struct {
        char separator;
        const char* keys;
        const char* text;
    } cases[] = {
        {',', "12.5", "12,5"},   {',', "12,5", "12,5"},   {'.', "12,5", "12.5"},
        {'.', "12.5", "12.5"},   {',', "1,5,", "1,5"},    {',', "1,5.", "1,5"},
        {'.', "1.5,", "1.5"},    {',', "-1 e+5", "15"},   {',', "abc", ""},
        {',', ",,7", ",7"},
    };
    for (const auto& c : cases) {
        setDecimalSeparator(c.separator);
        for (const int n : {2, 6}) {
            edit(n)->clear();
            tabInto(edit(n));
            typeKeys(QString::fromLatin1(c.keys));
            EXPECT_EQ(edit(n)->text(), QString::fromLatin1(c.text))
                << "Edit" << n << " keys " << c.keys << " under " << c.separator;
        }
    }
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(GeometryWindowTest, SeparatorInsideASelectionStillCounts) {
    edit(3)->setText(QStringLiteral("1,5"));
    tabInto(edit(3));
    ASSERT_EQ(edit(3)->selectedText(), QStringLiteral("1,5"));
    typeKeys(QStringLiteral(","));
    EXPECT_EQ(edit(3)->text(), QStringLiteral("1,5"));
    typeKeys(QStringLiteral("."));
    EXPECT_EQ(edit(3)->text(), QStringLiteral("1,5"));
    typeKeys(QStringLiteral("7")); // a digit replaces the selection
    EXPECT_EQ(edit(3)->text(), QStringLiteral("7"));
}

TEST_F(GeometryWindowTest, EditingKeysReachTheBoxAndEscapeIsDropped) {
    QLineEdit* box = edit(4);
    box->setText(QStringLiteral("12,5"));
    tabInto(box);
    box->setCursorPosition(2);
    test::pressKey(box, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(box->text(), QStringLiteral("1,5"));
    test::pressKey(box, Qt::Key_Delete, QString(QChar(127)));
    EXPECT_EQ(box->text(), QStringLiteral("15"));
    test::pressKey(box, Qt::Key_Left);
    typeKeys(QStringLiteral(".")); // the separator may come back once it is gone
    EXPECT_EQ(box->text(), QStringLiteral(",15"));
    test::pressKey(box, Qt::Key_Escape, QString(QChar(27)));
    EXPECT_EQ(box->text(), QStringLiteral(",15"));
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(GeometryWindowTest, NameBoxTakesLettersBlanksAndOneSeparator) {
    const struct {
        const char* keys;
        const char* text;
    } cases[] = {
        {"Насосная станция 3", "Насосная станция 3"},
        {"ул.", "ул,"},
        {"ул. Мира.", "ул, Мира"},
        {"ул,,", "ул,"},
        {"Ёлка", "лка"},
        {"Южный-2", "Южный2"},
        {"№5 (\"Водоканал\")", "5 Водоканал"},
        {"North_Pump", "NorthPump"},
    };
    for (const auto& c : cases) {
        edit(1)->clear();
        tabInto(edit(1));
        typeKeys(QString::fromUtf8(c.keys));
        EXPECT_EQ(edit(1)->text(), QString::fromUtf8(c.text)) << c.keys;
    }
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(GeometryWindowTest, ClipboardShortcutsDoNothingInFilteredBoxes) {
    QClipboard* clipboard = QApplication::clipboard();
    for (const int n : {1, 2, 6}) {
        SCOPED_TRACE(n);
        QLineEdit* box = edit(n);
        box->setText(QStringLiteral("12"));
        tabInto(box);
        typeKeys(QStringLiteral("3")); // replaces the selected text
        ASSERT_EQ(box->text(), QStringLiteral("3"));
        box->selectAll();
        clipboard->setText(QStringLiteral("777"));
        // As the test library sends them, and as a keyboard sends them, with
        // the control character as the text.
        const struct {
            Qt::Key key;
            char control;
        } shortcuts[] = {{Qt::Key_V, 22}, {Qt::Key_X, 24}, {Qt::Key_C, 3}, {Qt::Key_Z, 26}};
        for (const auto& s : shortcuts) {
            QTest::keyClick(box, s.key, Qt::ControlModifier);
            QKeyEvent press(QEvent::KeyPress, s.key, Qt::ControlModifier,
                            QString(QChar(s.control)));
            QApplication::sendEvent(box, &press);
            EXPECT_EQ(box->text(), QStringLiteral("3")) << s.key;
            EXPECT_EQ(clipboard->text(), QStringLiteral("777")) << s.key;
        }
    }
}

TEST_F(GeometryWindowTest, AltGrTypesThroughTheFilterWhileAltAndMetaChordsTypeNothing) {
    const Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier;
    const struct {
        int box;
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text; // of the key event
        const char* result;
    } cases[] = {
        {1, 0x436, altGr, "ж", "ж"}, // a layout with ж on AltGr
        {2, 0x436, altGr, "ж", ""},  // the numeric filter cancels it
        {2, Qt::Key_Period, altGr, ".", ","},
        {1, Qt::Key_E, Qt::AltModifier, "e", ""},
        {1, Qt::Key_E, Qt::MetaModifier, "e", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Edit" << c.box << " " << c.text);
        QLineEdit* box = edit(c.box);
        box->clear();
        tabInto(box);
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf8(c.text));
        QApplication::sendEvent(box, &press);
        EXPECT_EQ(box->text(), QString::fromUtf8(c.result));
    }
}

TEST_F(GeometryWindowTest, TextPastedThroughTheContextMenuIsNotFilteredButReported) {
    QApplication::clipboard()->setText(QStringLiteral("1.5x"));
    fill(kStartName, "100", "5", "1", "45", "10");
    edit(4)->selectAll();
    edit(4)->paste(); // what the box's context menu "Paste" does
    EXPECT_EQ(edit(4)->text(), QStringLiteral("1.5x"));
    calculate();
    EXPECT_EQ(services.boxes.shown,
              std::vector<MessageBox>{error(QStringLiteral("'1.5x' is not a valid floating point value."))});
    EXPECT_EQ(measurement(), Measurement{});
}

TEST_F(GeometryWindowTest, SecondButtonShowsTheHydraulicsWindowAndKeepsThisOne) {
    ASSERT_FALSE(form3()->isVisible());
    test::click(test::child<QPushButton>(form2(), "Button2"));
    EXPECT_TRUE(form3()->isVisible());
    EXPECT_TRUE(form2()->isVisible());
    EXPECT_FALSE(form3()->isModal());
}

TEST_F(GeometryWindowTest, HidingAndShowingKeepsTextsAndResults) {
    fill(QString::fromUtf8("Объект"), "100", "5", "1", "45", "10");
    calculate();
    const std::vector<QString> labels = results();
    form2()->close();
    EXPECT_FALSE(form2()->isVisible());
    showWindow(form2());
    EXPECT_EQ(results(), labels);
    EXPECT_EQ(edit(1)->text(), QString::fromUtf8("Объект"));
    EXPECT_EQ(edit(6)->text(), QStringLiteral("10"));
    EXPECT_EQ(button1()->text(), kRecalculate);
}

} // namespace
} // namespace zamt
