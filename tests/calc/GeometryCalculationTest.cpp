#include "calc/FloatFaults.h"
#include "calc/GeometryCalculation.h"
#include "platform/CodePage.h"
#include "platform/DecimalSeparator.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace zamt {
namespace {

// Records what the calculation shows, each with the state as it stood at
// that moment, so that the order of stores and shows can be checked.
struct Event {
    std::optional<GeometryLabel> label; // none: a refusal or the end
    std::string text;
    Measurement state;
};

class RecordingSink : public GeometrySink {
public:
    explicit RecordingSink(const Measurement& state) : state_(state) {}
    void refuse(const std::string& message) override { refusals.push_back(message); }
    void showResult(GeometryLabel label, const std::string& text) override {
        events.push_back({label, text, state_});
    }
    void calculated() override { events.push_back({std::nullopt, "calculated", state_}); }

    std::vector<std::string> refusals;
    std::vector<Event> events;

private:
    const Measurement& state_;
};

GeometryTexts texts(const char* Dn, const char* ds, const char* dn, const char* angle,
                    const char* offset, const char* name = "Name") {
    return {cp1251(name), cp1251(Dn), cp1251(ds), cp1251(dn), cp1251(angle), cp1251(offset)};
}

// A state left by earlier calculations; every value differs from what the
// runs below compute.
Measurement earlierState() {
    Measurement state;
    state.object_name = "earlier";
    state.D_calc = 1;
    state.ds = 2;
    state.dn = 3;
    state.offset = 4;
    state.L_a_exact = 5;
    state.L_a_rough = 6;
    state.K_La = 7;
    state.angle_deg = 8;
    state.nu = 9;
    state.Q_min = 10;
    state.K_corr = 11;
    return state;
}

class GeometryCalculationTest : public testing::Test {
protected:
    void SetUp() override { setDecimalSeparator(','); }
    void TearDown() override { setDecimalSeparator(','); }

    Measurement state = earlierState();
    RecordingSink sink{state};
};

TEST_F(GeometryCalculationTest, WorkedExampleStoresAndShowsStepByStep) {
    calculateGeometry(texts("100", "5", "1", "45", "10", "Насосная станция 3"), state, sink);
    EXPECT_TRUE(sink.refusals.empty());

    const Measurement before = earlierState();
    Measurement afterInputs = before; // step 7
    afterInputs.ds = 5;
    afterInputs.dn = 1;
    afterInputs.angle_deg = 45;
    afterInputs.offset = 10;

    ASSERT_EQ(sink.events.size(), 8u);
    const struct {
        std::optional<GeometryLabel> label;
        const char* text;
    } expected[] = {
        {GeometryLabel::Wall, "5,00"},         {GeometryLabel::Deposit, "1,00"},
        {GeometryLabel::Angle, "45,00"},       {GeometryLabel::ExactLength, "164,52"},
        {GeometryLabel::RoughLength, "141,42"}, {GeometryLabel::Diameter, "100,00"},
        {GeometryLabel::ChannelCoeff, "0,997998"}, {std::nullopt, "calculated"},
    };
    for (size_t i = 0; i < sink.events.size(); ++i) {
        EXPECT_EQ(sink.events[i].label, expected[i].label) << i;
        EXPECT_EQ(sink.events[i].text, expected[i].text) << i;
    }

    // What each show found stored (steps 7 to 16).
    EXPECT_EQ(sink.events[0].state, afterInputs);
    EXPECT_EQ(sink.events[2].state, afterInputs);
    const Measurement& atExact = sink.events[3].state;
    EXPECT_DOUBLE_EQ(atExact.L_a_exact, 164.5154637108621470);
    EXPECT_EQ(atExact.L_a_rough, before.L_a_rough);
    const Measurement& atRough = sink.events[4].state;
    EXPECT_DOUBLE_EQ(atRough.L_a_rough, 141.4213562373095049);
    EXPECT_EQ(atRough.K_La, before.K_La);
    EXPECT_EQ(atRough.D_calc, before.D_calc);
    const Measurement& atDiameter = sink.events[5].state;
    EXPECT_DOUBLE_EQ(atDiameter.K_La, 0.9979979959899719157);
    EXPECT_EQ(atDiameter.D_calc, 116.33);
    EXPECT_EQ(atDiameter.object_name, before.object_name);
    EXPECT_EQ(sink.events[6].state.object_name, cp1251("Насосная станция 3"));

    // The nine values and nothing else.
    Measurement expectedState = atDiameter;
    expectedState.object_name = cp1251("Насосная станция 3");
    EXPECT_EQ(state, expectedState);
    EXPECT_EQ(state.nu, before.nu);
    EXPECT_EQ(state.Q_min, before.Q_min);
    EXPECT_EQ(state.K_corr, before.K_corr);
}

TEST_F(GeometryCalculationTest, RefusalsComeInTheirOrderAndChangeNothing) {
    const std::string nothing = cp1251("введите что нибудь!");
    const std::string small = cp1251("диаметр только больше 50 мм!");
    const struct {
        const char* name;
        GeometryTexts texts;
        std::string message;
    } cases[] = {
        {"all start texts", texts("0", "0", "0", "0", "0"), nothing},
        {"Dn 0, later boxes garbage", texts("0", "x", "", "1.5", "?"), nothing},
        {"ds 0, later boxes garbage", texts("100", "0", "x", "", "y"), nothing},
        {"dn 0", texts("100", "5", "0", "x", ""), nothing},
        {"angle 0", texts("100", "5", "1", "0", "garbage"), nothing},
        {"offset 0", texts("100", "5", "1", "45", "0"), nothing},
        {"separator only", texts("100", ",", "1", "45", "10"), nothing},
        {"zero written out", texts("100", "5", "1", "0,000", "10"), nothing},
        {"zero tests before the diameter", texts("30", "0", "1", "45", "10"), nothing},
        {"Dn 50", texts("50", "5", "1", "45", "10"), small},
        {"Dn 30", texts("30", "5", "1", "45", "10"), small},
        {"Dn negative", texts("-100", "5", "1", "45", "10"), small},
    };
    for (const auto& c : cases) {
        state = earlierState();
        sink.refusals.clear();
        sink.events.clear();
        calculateGeometry(c.texts, state, sink);
        EXPECT_EQ(sink.refusals, std::vector<std::string>{c.message}) << c.name;
        EXPECT_TRUE(sink.events.empty()) << c.name;
        EXPECT_EQ(state, earlierState()) << c.name;
    }
}

TEST_F(GeometryCalculationTest, TextThatIsNotANumberEndsTheRunBeforeAnyStore) {
    const struct {
        const char* name;
        GeometryTexts texts;
        const char* message;
    } cases[] = {
        {"empty diameter", texts("", "5", "1", "45", "10"), "'' is not a valid floating point value"},
        {"full stop under a comma", texts("100", "1.5", "1", "45", "10"),
         "'1.5' is not a valid floating point value"},
        {"pasted letters in the last box", texts("100", "5", "1", "45", "10 mm"),
         "'10 mm' is not a valid floating point value"},
        {"Cyrillic text", texts("100", "5", "один", "45", "10"),
         "'один' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        state = earlierState();
        sink.events.clear();
        try {
            calculateGeometry(c.texts, state, sink);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(c.message)) << c.name;
        }
        EXPECT_TRUE(sink.refusals.empty()) << c.name;
        EXPECT_TRUE(sink.events.empty()) << c.name;
        EXPECT_EQ(state, earlierState()) << c.name;
    }
}

TEST_F(GeometryCalculationTest, NegativeRootInStepElevenLeavesStepsSevenToTen) {
    // 4 × 2501 / 100² is above 1.
    try {
        calculateGeometry(texts("100", "5", "1", "45", "2501"), state, sink);
        ADD_FAILURE() << "no fault";
    } catch (const FloatFaultError& error) {
        EXPECT_EQ(error.fault(), FloatFault::InvalidOperation);
    }
    Measurement expected = earlierState();
    expected.ds = 5;
    expected.dn = 1;
    expected.angle_deg = 45;
    expected.offset = 2501;
    expected.L_a_exact = state.L_a_exact;
    expected.L_a_rough = state.L_a_rough;
    EXPECT_EQ(state, expected);
    EXPECT_DOUBLE_EQ(state.L_a_exact, 164.5154637108621470);
    EXPECT_DOUBLE_EQ(state.L_a_rough, 141.4213562373095049);

    std::vector<GeometryLabel> shown;
    for (const Event& e : sink.events) {
        ASSERT_TRUE(e.label.has_value()) << "the run must not end";
        shown.push_back(*e.label);
    }
    EXPECT_EQ(shown, (std::vector<GeometryLabel>{GeometryLabel::Wall, GeometryLabel::Deposit,
                                                 GeometryLabel::Angle, GeometryLabel::ExactLength,
                                                 GeometryLabel::RoughLength}));
}

TEST_F(GeometryCalculationTest, BordersAndSpecialValues) {
    // Inputs and the labels and values they give; "" leaves a label unchecked.
    const struct {
        const char* name;
        GeometryTexts texts;
        const char* diameter;
        const char* exact;
        const char* rough;
        const char* coefficient;
    } cases[] = {
        {"Dn just above 50", texts("50,01", "5", "1", "45", "10"), "50,01", "", "70,72", ""},
        {"offset Dn²/4", texts("100", "5", "1", "45", "2500"), "100,00", "", "", "0,000000"},
        {"right angle", texts("100", "5", "1", "90", "10"), "", "116,33", "", ""},
        {"angle above 180", texts("100", "5", "1", "210", "10"), "", "-232,66", "", ""},
        {"diameter beyond the precision", texts("123456", "5", "1", "90", "10"), "1,2346E05",
         "1,2347E05", "1,7459E05", "1,000000"},
        {"exponent typed in a pasted text", texts("1e2", "5", "1", "45", "10"), "100,00",
         "164,52", "141,42", "0,997998"},
    };
    const auto labelText = [this](GeometryLabel label) {
        for (const Event& e : sink.events)
            if (e.label == label)
                return e.text;
        return std::string("(not shown)");
    };
    for (const auto& c : cases) {
        state = earlierState();
        sink.events.clear();
        calculateGeometry(c.texts, state, sink);
        EXPECT_TRUE(sink.refusals.empty()) << c.name;
        ASSERT_FALSE(sink.events.empty()) << c.name;
        EXPECT_FALSE(sink.events.back().label.has_value()) << c.name << ": run did not end";
        if (*c.diameter) {
            EXPECT_EQ(labelText(GeometryLabel::Diameter), c.diameter) << c.name;
        }
        if (*c.exact) {
            EXPECT_EQ(labelText(GeometryLabel::ExactLength), c.exact) << c.name;
        }
        if (*c.rough) {
            EXPECT_EQ(labelText(GeometryLabel::RoughLength), c.rough) << c.name;
        }
        if (*c.coefficient) {
            EXPECT_EQ(labelText(GeometryLabel::ChannelCoeff), c.coefficient) << c.name;
        }
    }
}

TEST_F(GeometryCalculationTest, RightAngleGivesTheCalculationDiameterAsExactLength) {
    calculateGeometry(texts("100", "5", "1", "90", "10"), state, sink);
    EXPECT_EQ(state.L_a_exact, state.D_calc);
    EXPECT_EQ(state.D_calc, 116.33);
    calculateGeometry(texts("100", "5", "1", "210", "10"), state, sink);
    EXPECT_DOUBLE_EQ(state.L_a_exact, -232.66);
    EXPECT_EQ(state.angle_deg, 210);
}

TEST_F(GeometryCalculationTest, FullStopSeparatorReadsAndWritesFullStops) {
    setDecimalSeparator('.');
    calculateGeometry(texts("100.5", "5.25", "1", "45", "10"), state, sink);
    ASSERT_EQ(sink.events.size(), 8u);
    EXPECT_EQ(sink.events[0].text, "5.25");
    EXPECT_EQ(sink.events[5].text, "100.50");
    EXPECT_EQ(state.ds, 5.25);
    EXPECT_EQ(state.D_calc, 116.83);

    sink.events.clear();
    EXPECT_THROW(calculateGeometry(texts("100,5", "5", "1", "45", "10"), state, sink), AppError);
    EXPECT_TRUE(sink.events.empty());
}

} // namespace
} // namespace zamt
