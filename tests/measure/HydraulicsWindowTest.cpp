#include "WindowTestSupport.h"
#include "app/CreateForms.h"
#include "calc/Measurement.h"
#include "measure/TForm2.h"
#include "measure/TForm3.h"
#include "measure/TForm9.h"
#include "look/PictureButton.h"
#include "platform/DecimalSeparator.h"
#include "records/PassportWriter.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedServices.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace zamt {
namespace {

using test::error;
using test::kCalculate;
using test::kFresh;
using test::kRecalculate;
using test::refusal;

const QString kNoZeros = QString::fromUtf8("нули не обслуживаем!");
const QString kTooLarge = QString::fromUtf8("Диаметр больше расчетного!");


// The Measurement state as the geometry calculation leaves it for a typed
// inner diameter Dn, wall 5, deposits 1, angle 45 and offset 10.
void setGeometry(long double Dn) {
    Measurement& s = measurement();
    const long double rad = std::numbers::pi_v<long double> * 45 / 180;
    s.ds = 5;
    s.dn = 1;
    s.angle_deg = 45;
    s.offset = 10;
    s.L_a_exact = static_cast<double>((Dn + 16.33L) / std::sin(rad));
    s.L_a_rough = static_cast<double>(Dn * std::sqrt(2.0L));
    s.K_La = static_cast<double>(std::sqrt(1 - 4 * 10 / (Dn * Dn)));
    s.D_calc = static_cast<double>(Dn + 16.33L);
}

// Hydraulic values that no calculation gives, to see which ones a run stores.
void setStaleHydraulics() {
    Measurement& s = measurement();
    s.nu = 11;
    s.t = 12;
    s.K_e = 13;
    s.lambda = 14;
    s.Re_min = 15;
    s.Re_max = 16;
    s.K_gv = 17;
    s.K_gn = 18;
    s.K_g = 19;
    s.K_d = 20;
    s.K_corr = 21;
}

// The exact decimal expansion of a value, with a comma: it reads back as the
// very same double.
QString exactText(double value) {
    char text[128];
    std::snprintf(text, sizeof text, "%.70g", value);
    return QString::fromLatin1(text).replace('.', ',');
}

class HydraulicsWindowTest : public testing::Test {
protected:
    void SetUp() override {
        measurement() = Measurement{};
        setDecimalSeparator(',');
        createForms();
        form3()->show();
        form3()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form3()));
    }
    void TearDown() override {
        destroyForms();
        measurement() = Measurement{};
        setDecimalSeparator(',');
    }

    QLabel* label(const char* name) { return test::child<QLabel>(form3(), name); }
    QLineEdit* edit(const char* name) { return test::child<QLineEdit>(form3(), name); }
    QPushButton* button(const char* name) { return test::child<QPushButton>(form3(), name); }
    void calculate() { test::click(button("Button1")); }
    void look() { test::click(button("Button3")); }
    QWidget* focused() { return QApplication::focusWidget(); }

    void setBoxes(const char* t, const char* nu, const char* K_e, const char* K_gn) {
        edit("Edit1")->setText(QString::fromUtf8(t));
        edit("Edit2")->setText(QString::fromUtf8(nu));
        edit("Edit3")->setText(QString::fromUtf8(K_e));
        edit("Edit4")->setText(QString::fromUtf8(K_gn));
    }

    void expectLowerLabels(const QString& K_e, const QString& nu, const QString& t,
                           const QString& Re_min, const QString& lambda) {
        EXPECT_EQ(label("Label12")->text(), K_e);
        EXPECT_EQ(label("Label3")->text(), nu);
        EXPECT_EQ(label("Label2")->text(), t);
        EXPECT_EQ(label("Label28")->text(), Re_min);
        EXPECT_EQ(label("Label26")->text(), lambda);
    }

    void expectNotYetCalculated() {
        EXPECT_EQ(button("Button1")->text(), kCalculate);
        EXPECT_FALSE(button("Button4")->isEnabled());
    }

    test::ScriptedServices services;
};

TEST_F(HydraulicsWindowTest, StartsWithItsCaptionsAndStartTexts) {
    EXPECT_EQ(form3()->windowTitle(), QStringLiteral("gidravl"));
    EXPECT_EQ(form3()->size(), QSize(368, 588));
    EXPECT_EQ(form3()->palette().color(QPalette::Window), QColor(192, 220, 192));
    const struct {
        const char* name;
        const char* text;
    } captions[] = {
        {"Panel3", "используем данные геометрии"},
        {"Panel4", "вносим данные гидравлики"},
        {"Label7", "диаметр трубопровода в мм"},
        {"Label19", "толщина  стенки трубопровода в мм"},
        {"Label20", "толщина отложений на стенках в мм"},
        {"Label21", "угол мужду осью трубы и акустическим каналом в градусах"},
        {"Label14", "длина акустичекого канала L_a в мм точно"},
        {"Label15", "длина акустичекого канала L_a в мм грубо"},
        {"Label16", "коеффициент zamt_L_a"},
        {"Label23", "температура воды в град"},
        {"Label22", "вязкость жидкости (в 10Е-6  м2/сек) здесь указана для воды при t = 10 град "
                    "Цельсия"},
        {"Label4", "коеффициент шероховатости берется из таблицы 9 стр.26 методики поверки "
                   "TQX340.000.00 И2 (здесь указана б/у труба в хорошем состоянии)"},
        {"Label13", "коеффициент Кгн находят по значению коеффициента ламбда и числу Рейнольдса "
                    "минимальному по таблице 7стр.39. Чтобы узнать лямбда - нажмите \"считаем?\""},
        {"Label24", "лямбда"},
        {"Label27", "Число Ренольдса минимальное"},
        {"Label1", "температура воды в град"},
        {"Label5", "вязкость жидкости (в 10Е-6  м2/сек) здесь указана для воды при t = 10 град "
                   "Цельсия"},
        {"Label6", "коеффициент шероховатости"},
    };
    for (const auto& c : captions)
        EXPECT_EQ(label(c.name)->text(), QString::fromUtf8(c.text)) << c.name;
    for (const char* result : {"Label8", "Label9", "Label10", "Label11", "Label17", "Label18",
                               "Label25", "Label26", "Label28", "Label2", "Label3", "Label12"}) {
        EXPECT_EQ(label(result)->text(), kFresh) << result;
        EXPECT_EQ(label(result)->palette().color(QPalette::Window), QColor(255, 251, 240)) << result;
    }
    EXPECT_EQ(label("Panel3")->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(label("Label3")->width(), 89);

    const struct {
        const char* name;
        const char* text;
        QRect geometry;
    } boxes[] = {
        {"Edit1", "10", {256, 232, 81, 21}},
        {"Edit2", "0,000001308", {256, 256, 81, 21}},
        {"Edit3", "1", {256, 296, 81, 21}},
        {"Edit4", "1,075", {256, 392, 81, 21}},
    };
    for (const auto& b : boxes) {
        EXPECT_EQ(edit(b.name)->text(), QString::fromUtf8(b.text)) << b.name;
        EXPECT_EQ(edit(b.name)->geometry(), b.geometry) << b.name;
    }

    const struct {
        const char* name;
        const char* caption;
        QRect geometry;
        bool enabled;
    } buttons[] = {
        {"Button3", "посмотрим?", {16, 24, 83, 25}, true},
        {"Button1", "считаем?", {16, 8, 89, 25}, true},
        {"Button4", "записываем?", {120, 8, 105, 25}, false},
        {"Button2", "возврат к меню", {240, 8, 113, 25}, true},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(button(b.name)->text(), QString::fromUtf8(b.caption)) << b.name;
        EXPECT_EQ(button(b.name)->geometry(), b.geometry) << b.name;
        EXPECT_EQ(button(b.name)->isEnabled(), b.enabled) << b.name;
    }
    QWidget* panel5 = test::child(form3(), "Panel5");
    EXPECT_EQ(button("Button4")->parentWidget(), panel5);
    EXPECT_EQ(panel5->geometry(), QRect(0, 588 - 41, 368, 41));

    auto* chart = test::child<QToolButton>(form3(), "SpeedButton1");
    EXPECT_EQ(chart->geometry(), QRect(16, 432, 337, 25));
    EXPECT_EQ(chart->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(chart->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(chart->text().isEmpty());
}

TEST_F(HydraulicsWindowTest, TheChartButtonShowsItsPictureAtItsOwnSizeCutByTheFace) {
    auto* chart = test::child<PictureButton>(form3(), "SpeedButton1");
    const QImage picture = chart->picture().toImage();
    ASSERT_EQ(picture.size(), QSize(330, 30));
    const QImage face = chart->grab().toImage();
    // Centred on the 337 by 25 face: 3 or 4 columns to its left, 2 or 3 rows
    // cut off at the top; a scaled picture matches at no offset.
    int bestMatch = 0;
    for (int dx = 3; dx <= 4; ++dx) {
        for (int dy = 2; dy <= 3; ++dy) {
            int same = 0;
            for (int x = 10; x < 320; ++x)
                for (const int y : {6, 12, 18})
                    same += face.pixel(x + dx, y) == picture.pixel(x, y + dy);
            bestMatch = std::max(bestMatch, same);
        }
    }
    EXPECT_EQ(bestMatch, 310 * 3);
}

TEST_F(HydraulicsWindowTest, TabGoesThroughTheBoxesThenTheBottomButtons) {
    button("Button4")->setEnabled(true);
    test::focus(edit("Edit1"));
    const char* order[] = {"Edit2", "Edit3", "Button3", "Edit4",
                           "Button1", "Button2", "Button4", "Edit1"};
    for (const char* name : order) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        ASSERT_NE(focused(), nullptr);
        EXPECT_EQ(focused()->objectName(), QString::fromLatin1(name));
    }
}

TEST_F(HydraulicsWindowTest, EnterStepsFromBoxToBoxToTheCalculationButton) {
    test::focus(edit("Edit1"));
    const char* chain[] = {"Edit2", "Edit3", "Button1"};
    for (const char* name : chain) {
        test::pressKey(focused(), Qt::Key_Return, "\r");
        EXPECT_EQ(focused()->objectName(), QString::fromLatin1(name));
    }
    // The box of K_gn has no filter and keeps Enter to itself.
    test::focus(edit("Edit4"));
    test::pressKey(edit("Edit4"), Qt::Key_Return, "\r");
    EXPECT_EQ(focused(), edit("Edit4"));
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(HydraulicsWindowTest, NumericBoxesTakeDigitsAndOneSeparatorWhileKgnTakesAnything) {
    const struct {
        const char* box;
        const char* start;
        const char* typed;
        const char* expected;
    } cases[] = {
        {"Edit1", "", "1.5", "1,5"},
        {"Edit1", "", "-2e 3a", "23"},
        {"Edit1", "1,", ",.7", "1,7"},
        {"Edit2", "0,000001308", ",.", "0,000001308"},
        {"Edit2", "", "0,001", "0,001"},
        {"Edit3", "", "1.2.3", "1,23"},
        {"Edit4", "", "1.09", "1.09"},
        {"Edit4", "1,075", "ab,,-Ё", "1,075ab,,-Ё"},
    };
    for (const auto& c : cases) {
        QLineEdit* box = edit(c.box);
        box->setText(QString::fromUtf8(c.start));
        test::focus(box);
        box->end(false);
        test::type(box, QString::fromUtf8(c.typed));
        EXPECT_EQ(box->text(), QString::fromUtf8(c.expected)) << c.box << " " << c.typed;
    }
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(HydraulicsWindowTest, LookShowsWhatTheGeometryStored) {
    const char* names[] = {"Label8", "Label9", "Label10", "Label11",
                           "Label17", "Label18", "Label25"};
    const char* before[] = {"-16,33", "0,00", "0,00", "0,00", "0,00", "0,00", "0,000000"};
    const char* after[] = {"100,00", "5,00", "1,00", "45,00", "164,52", "141,42", "0,997998"};
    look();
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(label(names[i])->text(), QString::fromUtf8(before[i])) << names[i];
    const Measurement state = measurement();

    setGeometry(100);
    EXPECT_EQ(label("Label8")->text(), QStringLiteral("-16,33")); // only a press updates it
    look();
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(label(names[i])->text(), QString::fromUtf8(after[i])) << names[i];
    EXPECT_EQ(state, Measurement{});
    EXPECT_TRUE(services.boxes.shown.empty());
    expectNotYetCalculated();
}

TEST_F(HydraulicsWindowTest, WorkedExampleThenASecondPassWithTheKgnReadOffTheChart) {
    setGeometry(100);
    test::focus(edit("Edit1"));
    calculate();
    EXPECT_TRUE(services.boxes.shown.empty());
    expectLowerLabels("1,0000", "0,0000013080", "10,0", "62758406,8", "0,03349");

    const Measurement first = measurement();
    EXPECT_EQ(first.t, 10);
    EXPECT_EQ(first.nu, 0.000001308);
    EXPECT_EQ(first.K_e, 1);
    EXPECT_EQ(first.K_gn, 1.075);
    EXPECT_EQ(first.Q_min, 7.5);
    EXPECT_EQ(first.Q_max, 765);
    EXPECT_NEAR(first.Re_min, 6.27584068e7, 0.1);
    EXPECT_NEAR(first.Re_max, 6.4013575e9, 100);
    EXPECT_NEAR(first.lambda, 0.0334942, 1e-7);
    EXPECT_NEAR(first.K_gv, 1.0795454, 1e-7);
    EXPECT_NEAR(first.K_g, 1.0772727, 1e-7);
    EXPECT_NEAR(first.K_d, 1, 1e-14);
    EXPECT_NEAR(first.K_corr, 0.9301321, 1e-7);
    EXPECT_EQ(button("Button1")->text(), kRecalculate);
    EXPECT_TRUE(button("Button4")->isEnabled());
    EXPECT_EQ(focused(), button("Button4"));

    // The same boxes again: the same results.
    calculate();
    EXPECT_EQ(measurement(), first);
    EXPECT_TRUE(button("Button4")->isEnabled());

    test::focus(edit("Edit4"));
    edit("Edit4")->selectAll();
    test::type(edit("Edit4"), "1,09");
    calculate();
    EXPECT_TRUE(services.boxes.shown.empty());
    const Measurement& second = measurement();
    EXPECT_EQ(second.K_gn, 1.09);
    EXPECT_EQ(second.K_gv, first.K_gv);
    EXPECT_EQ(second.K_g, (1.09 + first.K_gv) / 2);
    EXPECT_NEAR(second.K_corr, 1 / second.K_g / first.K_La, 1e-12);
    EXPECT_NEAR(second.K_corr, 0.9237014, 1e-7);
    EXPECT_EQ(second.lambda, first.lambda);
    EXPECT_EQ(second.Re_min, first.Re_min);
    expectLowerLabels("1,0000", "0,0000013080", "10,0", "62758406,8", "0,03349");
    EXPECT_EQ(button("Button1")->text(), kRecalculate);
}

TEST_F(HydraulicsWindowTest, UnderAFullStopTheCommaStartTextsAreNotNumbers) {
    setDecimalSeparator('.');
    setGeometry(100);
    const Measurement before = measurement();
    calculate();
    const std::vector<MessageBox> expected = {
        error("'0,000001308' is not a valid floating point value.")};
    EXPECT_EQ(services.boxes.shown, expected);
    EXPECT_EQ(measurement(), before);
    expectLowerLabels(kFresh, kFresh, kFresh, kFresh, kFresh);
    expectNotYetCalculated();

    // Typed with the keyboard, the separator is the full stop.
    test::focus(edit("Edit2"));
    edit("Edit2")->selectAll();
    test::type(edit("Edit2"), "0,000001308");
    edit("Edit4")->setText("1.075");
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("0.000001308"));
    calculate();
    EXPECT_EQ(services.boxes.shown.size(), 1u);
    expectLowerLabels("1.0000", "0.0000013080", "10.0", "62758406.8", "0.03349");
    EXPECT_NEAR(measurement().K_corr, 0.9301321, 1e-7);
}

TEST_F(HydraulicsWindowTest, TheFirstZeroBoxIsRefusedAndLaterBoxesAreNotRead) {
    const struct {
        const char* t;
        const char* nu;
        const char* K_e;
        const char* K_gn;
        MessageBox box;
    } cases[] = {
        {"0", "0", "0", "0", refusal(kNoZeros)},
        {"0", "x", "x", "x", refusal(kNoZeros)},
        {",", "0,000001308", "1", "1,075", refusal(kNoZeros)},
        {"10", "0,0", "x", "x", refusal(kNoZeros)},
        {"10", "0,000001308", "0", "x", refusal(kNoZeros)},
        {"10", "0,000001308", "1", "0", refusal(kNoZeros)},
        {"10", "0,000001308", "1", "-0,000", refusal(kNoZeros)},
        {"", "0", "0", "0", error("'' is not a valid floating point value.")},
        {"10", "0", "0", "0", refusal(kNoZeros)},
        {"10", "1.5", "0", "0", error("'1.5' is not a valid floating point value.")},
        {"10", "0,000001308", "1", "Кгн", error("'Кгн' is not a valid floating point value.")},
    };
    setGeometry(100);
    setStaleHydraulics();
    const Measurement before = measurement();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box.text.toStdString());
        services.boxes.shown.clear();
        setBoxes(c.t, c.nu, c.K_e, c.K_gn);
        calculate();
        const std::vector<MessageBox> expected = {c.box};
        EXPECT_EQ(services.boxes.shown, expected);
        EXPECT_EQ(measurement(), before);
        expectLowerLabels(kFresh, kFresh, kFresh, kFresh, kFresh);
        expectNotYetCalculated();
    }
}

TEST_F(HydraulicsWindowTest, ARefusalAfterASuccessKeepsTheResultsAndTheRecordButton) {
    setGeometry(100);
    calculate();
    const Measurement done = measurement();
    edit("Edit3")->setText("0");
    calculate();
    const std::vector<MessageBox> expected = {refusal(kNoZeros)};
    EXPECT_EQ(services.boxes.shown, expected);
    EXPECT_EQ(measurement(), done);
    expectLowerLabels("1,0000", "0,0000013080", "10,0", "62758406,8", "0,03349");
    EXPECT_TRUE(button("Button4")->isEnabled());
    EXPECT_EQ(button("Button1")->text(), kRecalculate);
}

TEST_F(HydraulicsWindowTest, BeforeAnyGeometryTheReynoldsNumberIsAnInvalidOperation) {
    calculate();
    const std::vector<MessageBox> expected = {error("Invalid floating point operation.")};
    EXPECT_EQ(services.boxes.shown, expected);
    Measurement onlyNu;
    onlyNu.nu = 0.000001308;
    EXPECT_EQ(measurement(), onlyNu);
    expectLowerLabels("1,0000", "0,0000013080", "10,0", kFresh, kFresh);
    expectNotYetCalculated();
}

TEST_F(HydraulicsWindowTest, ADiameterAboveTheTableWithoutEarlierFlowsDividesByZero) {
    setGeometry(1700);
    setStaleHydraulics();
    Measurement expectedState = measurement();
    calculate();
    const std::vector<MessageBox> expected = {refusal(kTooLarge),
                                              error("Floating point division by zero.")};
    EXPECT_EQ(services.boxes.shown, expected);
    expectedState.nu = 0.000001308;
    expectedState.Re_min = 0;
    expectedState.Re_max = 0;
    EXPECT_EQ(measurement(), expectedState);
    expectLowerLabels("1,0000", "0,0000013080", "10,0", "0,0", kFresh);
    expectNotYetCalculated();
}

TEST_F(HydraulicsWindowTest, ADiameterAboveTheTableKeepsTheEarlierFlows) {
    setGeometry(1700);
    measurement().Q_min = 7.5;
    measurement().Q_max = 765;
    calculate();
    const std::vector<MessageBox> expected = {refusal(kTooLarge)};
    EXPECT_EQ(services.boxes.shown, expected);
    const Measurement& s = measurement();
    EXPECT_EQ(s.Q_min, 7.5);
    EXPECT_EQ(s.Q_max, 765);
    const double D = 1716.33;
    EXPECT_NEAR(s.Re_min, 4 * 7500 / (std::numbers::pi * D * 0.000001308), 1e-6);
    EXPECT_NEAR(s.Re_max, 4 * 765000 / (std::numbers::pi * D * 0.000001308), 1e-4);
    EXPECT_NEAR(s.K_d, 1, 1e-14);
    EXPECT_EQ(label("Label28")->text(), QStringLiteral("4253660,7"));
    EXPECT_EQ(button("Button1")->text(), kRecalculate);
    EXPECT_TRUE(button("Button4")->isEnabled());
}

TEST_F(HydraulicsWindowTest, AZeroMeanCoefficientDividesByZeroBeforeKIsStored) {
    // A first window works out K_gv for the example.
    setGeometry(100);
    calculate();
    const double K_gv = measurement().K_gv;
    destroyForms();
    createForms();
    form3()->show();
    form3()->activateWindow();

    Measurement expectedState = measurement();
    edit("Edit1")->setText("20");
    edit("Edit4")->setText(QChar('-') + exactText(K_gv));
    calculate();
    const std::vector<MessageBox> expected = {error("Floating point division by zero.")};
    EXPECT_EQ(services.boxes.shown, expected);
    expectedState.K_gn = -K_gv;
    expectedState.K_g = 0;
    EXPECT_EQ(measurement(), expectedState); // K_corr and t as before
    expectLowerLabels("1,0000", "0,0000013080", "20,0", "62758406,8", "0,03349");
    expectNotYetCalculated();
}

TEST_F(HydraulicsWindowTest, ButtonsOpenTheChartCloseTheWindowAndStartTheRecord) {
    test::click(test::child<QToolButton>(form3(), "SpeedButton1"));
    EXPECT_TRUE(form9()->isVisible());

    form2()->show();
    button("Button4")->setEnabled(true);
    test::click(button("Button4")); // the record dialog is cancelled
    EXPECT_FALSE(form2()->isVisible());
    ASSERT_EQ(services.dialogs.requests.size(), 1u);
    EXPECT_EQ(services.dialogs.requests[0], passportDialogRequest(QDir::currentPath()));
    EXPECT_TRUE(services.boxes.shown.empty());

    test::click(button("Button2"));
    EXPECT_FALSE(form3()->isVisible());
    EXPECT_EQ(label("Label2")->text(), kFresh);
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("0,000001308"));
}

} // namespace
} // namespace zamt
