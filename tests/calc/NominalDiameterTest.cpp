#include "calc/Measurement.h"
#include "calc/NominalDiameter.h"
#include "support/ScriptedServices.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zamt {
namespace {

const QString kTooSmall = QString::fromUtf8("диаметр менее расчетного!");
const QString kTooLarge = QString::fromUtf8("Диаметр больше расчетного!");

// Flows that no row holds, to see whether a lookup touched them.
constexpr double kOldQmin = -1;
constexpr double kOldQmax = -2;

class NominalDiameterTest : public testing::Test {
protected:
    void SetUp() override {
        measurement() = Measurement{};
        measurement().Q_min = kOldQmin;
        measurement().Q_max = kOldQmax;
    }
    void TearDown() override { measurement() = Measurement{}; }

    test::ScriptedServices services;
};

TEST_F(NominalDiameterTest, ClassesDiametersAndReportsThoseOutsideTheTable) {
    const struct {
        double D;
        double nominal; // 0: no row
        double Q_min;
        double Q_max;
        QString message; // empty: none
    } cases[] = {
        {116.33, 100, 7.5, 765, {}},
        {65, 50, 2.5, 85, {}},
        {65.0001, 65, 4, 217, {}},
        {80, 65, 4, 217, {}},
        {1600, 1400, 80, 87040, {}},
        {1400.0001, 1400, 80, 87040, {}},
        {1600.5, 0, kOldQmin, kOldQmax, kTooLarge},
        {1e300, 0, kOldQmin, kOldQmax, kTooLarge},
        {50.5, 50, 2.5, 85, {}},
        {50, 0, kOldQmin, kOldQmax, kTooSmall},
        {0.001, 0, kOldQmin, kOldQmax, kTooSmall},
        {0, 0, kOldQmin, kOldQmax, {}},
        {-0.0, 0, kOldQmin, kOldQmax, {}},
        {-116.33, 0, kOldQmin, kOldQmax, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.D);
        SetUp();
        services.boxes.shown.clear();
        EXPECT_EQ(LookupNominalDiameter(c.D), c.nominal);
        EXPECT_EQ(measurement().Q_min, c.Q_min);
        EXPECT_EQ(measurement().Q_max, c.Q_max);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(services.boxes.shown.empty());
        } else {
            const std::vector<MessageBox> expected = {{BoxKind::Plain, "zamt05", c.message}};
            EXPECT_EQ(services.boxes.shown, expected);
        }
    }
}

// Every upper bound belongs to its own row; the next representable diameter
// goes to the next row, whose nominal diameter is that bound.
TEST_F(NominalDiameterTest, UpperBoundsBelongToTheirRow) {
    for (size_t i = 0; i < kNominalDiameters.size(); ++i) {
        const NominalDiameterRow& row = kNominalDiameters[i];
        SCOPED_TRACE(row.upTo);
        EXPECT_EQ(LookupNominalDiameter(row.upTo), row.nominal);
        EXPECT_EQ(measurement().Q_min, row.Q_min);
        EXPECT_EQ(measurement().Q_max, row.Q_max);
        const double justAbove = std::nextafter(row.upTo, std::numeric_limits<double>::infinity());
        const double next = LookupNominalDiameter(justAbove);
        if (i + 1 < kNominalDiameters.size()) {
            EXPECT_EQ(next, row.upTo);
            EXPECT_EQ(kNominalDiameters[i + 1].above, row.upTo);
            EXPECT_EQ(measurement().Q_min, kNominalDiameters[i + 1].Q_min);
        } else {
            EXPECT_EQ(next, 0);
            EXPECT_EQ(measurement().Q_min, row.Q_min); // unchanged
        }
        EXPECT_EQ(row.nominal, row.above);
    }
    // Only the diameter beyond the last row was reported.
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0].text, kTooLarge);
}

TEST_F(NominalDiameterTest, FlowsFollowTheFlowmeterTables) {
    const double Q_min[] = {2.5, 4, 5, 7.5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80};
    for (size_t i = 0; i < kNominalDiameters.size(); ++i) {
        const NominalDiameterRow& row = kNominalDiameters[i];
        SCOPED_TRACE(row.nominal);
        EXPECT_EQ(row.Q_min, Q_min[i]);
        const double expectedMax = i == 1 ? 217 : std::round(13.6 * Q_min[i] * Q_min[i]);
        EXPECT_EQ(row.Q_max, expectedMax);
    }
}

} // namespace
} // namespace zamt
