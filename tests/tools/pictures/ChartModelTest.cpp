// The curves of the chart "рисунок 7": where they start and settle, their
// order and their shape.
#include "ChartModel.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace zamt::pictures {
namespace {

// Re from the left edge to the right edge of the chart, evenly on the log scale.
std::vector<double> reSamples(int count = 500) {
    std::vector<double> samples;
    const double first = std::log10(kReFirst);
    const double last = std::log10(kReLast);
    for (int i = 0; i <= count; ++i)
        samples.push_back(std::pow(10.0, first + (last - first) * i / count));
    return samples;
}

struct CurveCase {
    double lambda;
    double start; // Кгн at Re = 5·10³
    double level; // Кгн once flat
    const char* label;
};

// Start values run evenly from 1.099 to 1.086 in steps of 0.013 / 7.
const CurveCase kCurves[] = {
    {0.045, 1.099, 1.093, "λ=0,045"},     {0.040, 1.0971429, 1.088, "λ=0,040"},
    {0.035, 1.0952857, 1.083, "λ=0,035"}, {0.030, 1.0934286, 1.077, "λ=0,030"},
    {0.025, 1.0915714, 1.071, "λ=0,025"}, {0.020, 1.0897143, 1.065, "λ=0,020"},
    {0.015, 1.0878571, 1.057, "λ=0,015"}, {0.010, 1.086, 1.049, "λ=0,010"},
};

TEST(ChartModel, EachCurveStartsAndSettlesWhereTheChartShowsIt) {
    ASSERT_EQ(std::size(kCurves), static_cast<size_t>(kCurveCount));
    for (int i = 0; i < kCurveCount; ++i) {
        SCOPED_TRACE(i);
        const CurveCase& expected = kCurves[i];
        const ChartCurve curve = chartCurve(i);
        EXPECT_DOUBLE_EQ(curve.lambda, expected.lambda);
        EXPECT_NEAR(chartValue(curve, kReFirst), expected.start, 1e-6);
        EXPECT_NEAR(chartValue(curve, kReLast), expected.level, 1e-12);
        EXPECT_NEAR(chartValue(curve, curve.flatRe), expected.level, 1e-12);
        EXPECT_EQ(lambdaLabel(curve.lambda), expected.label);
    }
}

TEST(ChartModel, LargerLambdaSettlesEarlierBetweenTenToTheFifthAndTwoTimesTenToTheSixth) {
    EXPECT_NEAR(chartCurve(0).flatRe, 1e5, 1e-6);
    EXPECT_NEAR(chartCurve(kCurveCount - 1).flatRe, 2e6, 1e-3);
    // λ falls in equal steps, so the settling points are equally spaced on the log scale.
    const double step = std::log10(2e6 / 1e5) / (kCurveCount - 1);
    for (int i = 1; i < kCurveCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(std::log10(chartCurve(i).flatRe / chartCurve(i - 1).flatRe), step, 1e-9);
    }
}

TEST(ChartModel, CurvesFallUntilTheySettleAndAreFlatAfterwards) {
    for (int i = 0; i < kCurveCount; ++i) {
        SCOPED_TRACE(i);
        const ChartCurve curve = chartCurve(i);
        double previous = chartValue(curve, kReFirst);
        for (const double re : reSamples()) {
            const double value = chartValue(curve, re);
            EXPECT_LE(value, previous) << "rises at Re " << re;
            if (re < curve.flatRe * 0.999 && re > kReFirst) {
                EXPECT_LT(value, previous) << "not falling at Re " << re;
            }
            if (re >= curve.flatRe) {
                EXPECT_DOUBLE_EQ(value, curve.level) << "not flat at Re " << re;
            } else {
                EXPECT_GT(value, curve.level) << "below its level at Re " << re;
            }
            previous = value;
        }
    }
}

TEST(ChartModel, CurvesMeetTheirLevelWithoutAKink) {
    // Just before the settling point the curve is within a hair of its level
    // and its slope has died away, so the bend into the flat part is smooth.
    for (int i = 0; i < kCurveCount; ++i) {
        SCOPED_TRACE(i);
        const ChartCurve curve = chartCurve(i);
        const double nearly = curve.flatRe / std::pow(10.0, 0.01);
        const double slopeNear =
            (chartValue(curve, curve.flatRe) - chartValue(curve, nearly)) / 0.01;
        const double slopeStart =
            (chartValue(curve, kReFirst * std::pow(10.0, 0.01)) - chartValue(curve, kReFirst)) /
            0.01;
        EXPECT_LT(std::abs(slopeNear), std::abs(slopeStart) * 0.05);
    }
}

TEST(ChartModel, LargerLambdaLiesHigherAtEveryRe) {
    for (const double re : reSamples()) {
        for (int i = 1; i < kCurveCount; ++i)
            EXPECT_GT(chartValue(chartCurve(i - 1), re), chartValue(chartCurve(i), re))
                << "curves " << i - 1 << " and " << i << " touch at Re " << re;
    }
}

TEST(ChartModel, CurvesStayInsideTheKgnAxis) {
    for (int i = 0; i < kCurveCount; ++i) {
        for (const double re : reSamples()) {
            const double value = chartValue(chartCurve(i), re);
            EXPECT_GT(value, kKgnLow);
            EXPECT_LT(value, kKgnHigh);
        }
    }
}

TEST(ChartModel, ReGridRunsOneTwoFiveFromTheLeftEdgeToTheRightEdge) {
    const double expected[] = {5e3, 1e4, 2e4, 5e4, 1e5, 2e5, 5e5,
                               1e6, 2e6, 5e6, 1e7, 2e7, 5e7, 1e8};
    ASSERT_EQ(kReMarks.size(), std::size(expected));
    for (size_t i = 0; i < kReMarks.size(); ++i)
        EXPECT_NEAR(kReMarks[i].value(), expected[i], expected[i] * 1e-12) << i;
    EXPECT_DOUBLE_EQ(kReMarks.front().value(), kReFirst);
    EXPECT_DOUBLE_EQ(kReMarks.back().value(), kReLast);
}

} // namespace
} // namespace zamt::pictures
