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
    void SetUp() override {
        previousSeparator = decimalSeparator();
        setDecimalSeparator(',');
    }
    void TearDown() override { setDecimalSeparator(previousSeparator); }

    char previousSeparator = '.';

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

TEST_F(GeometryCalculationTest, RightAngleGivesTheCalculationDiameterAsExactLength) {
    calculateGeometry(texts("100", "5", "1", "90", "10"), state, sink);
    EXPECT_EQ(state.L_a_exact, state.D_calc);
    EXPECT_EQ(state.D_calc, 116.33);
    calculateGeometry(texts("100", "5", "1", "210", "10"), state, sink);
    EXPECT_DOUBLE_EQ(state.L_a_exact, -232.66);
    EXPECT_EQ(state.angle_deg, 210);
}

} // namespace
} // namespace zamt
