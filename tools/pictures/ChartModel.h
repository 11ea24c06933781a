#pragma once
// The curves of the chart "рисунок 7": the hydrodynamic coefficient Кгн
// against the Reynolds number, one curve per friction factor λ. Each curve
// falls from its start value at the left edge of the chart and settles on a
// flat level; a larger λ lies higher and settles at a smaller Re.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace zamt::pictures {

// The chart's axes: Re logarithmic, Кгн linear.
inline constexpr double kReFirst = 5e3;
inline constexpr double kReLast = 1e8;
inline constexpr double kKgnLow = 1.04;
inline constexpr double kKgnHigh = 1.10;

// The labelled grid lines of the Re axis, as mantissa and power of ten.
struct ReMark {
    int mantissa;
    int power;
    double value() const { return mantissa * std::pow(10.0, power); }
};
inline constexpr std::array<ReMark, 14> kReMarks{{{5, 3},
                                                  {1, 4},
                                                  {2, 4},
                                                  {5, 4},
                                                  {1, 5},
                                                  {2, 5},
                                                  {5, 5},
                                                  {1, 6},
                                                  {2, 6},
                                                  {5, 6},
                                                  {1, 7},
                                                  {2, 7},
                                                  {5, 7},
                                                  {1, 8}}};

struct ChartCurve {
    double lambda;
    double start;  // Кгн at the left edge, Re = kReFirst
    double level;  // Кгн where the curve has settled
    double flatRe; // the Re from which the curve is flat
};

inline constexpr int kCurveCount = 8;
inline constexpr std::array<double, kCurveCount> kCurveLambdas{0.045, 0.040, 0.035, 0.030,
                                                               0.025, 0.020, 0.015, 0.010};
inline constexpr std::array<double, kCurveCount> kCurveLevels{1.093, 1.088, 1.083, 1.077,
                                                              1.071, 1.065, 1.057, 1.049};
// Start values run evenly from the top curve's to the bottom curve's.
inline constexpr double kTopStart = 1.099;
inline constexpr double kBottomStart = 1.086;
// The top curve settles at kTopFlatRe, the bottom one at kBottomFlatRe; the
// curves between settle at Re spaced on the log scale in proportion to λ.
inline constexpr double kTopFlatRe = 1e5;
inline constexpr double kBottomFlatRe = 2e6;

inline ChartCurve chartCurve(int index) {
    const double topLambda = kCurveLambdas.front();
    const double bottomLambda = kCurveLambdas.back();
    const double lambda = kCurveLambdas[static_cast<size_t>(index)];
    // 0 for the top curve, 1 for the bottom one.
    const double share = (topLambda - lambda) / (topLambda - bottomLambda);
    const double start = kTopStart + (kBottomStart - kTopStart) * index / (kCurveCount - 1);
    const double logFlat =
        std::log10(kTopFlatRe) + share * (std::log10(kBottomFlatRe) - std::log10(kTopFlatRe));
    return {lambda, start, kCurveLevels[static_cast<size_t>(index)], std::pow(10.0, logFlat)};
}

// Кгн of a curve at the given Re. Between the left edge and the settling
// point the excess over the level shrinks with the square of the remaining
// log distance, so the curve falls steeply at first and meets its level
// without a kink; from the settling point on it is flat.
inline double chartValue(const ChartCurve& curve, double re) {
    const double span = std::log10(curve.flatRe) - std::log10(kReFirst);
    const double u = std::clamp((std::log10(re) - std::log10(kReFirst)) / span, 0.0, 1.0);
    const double rest = 1.0 - u;
    return curve.level + (curve.start - curve.level) * rest * rest;
}

// The λ label of a curve as the chart writes it: three decimals with a
// decimal comma, "λ=0,045".
inline std::string lambdaLabel(double lambda) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.3f", lambda);
    std::string text = std::string("λ=") + digits;
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace zamt::pictures
