#include "calc/HydraulicsCalculation.h"

#include "calc/FloatFaults.h"
#include "calc/NominalDiameter.h"
#include "calc/NumberText.h"
#include "platform/MessageBoxes.h"

#include <optional>

namespace zamt {
namespace {


// Parses a box and refuses a zero; nothing when refused.
std::optional<double> readNonZero(const std::string& text) {
    const double value = ParseNumber(text);
    if (value == 0) {
        showMessage(QStringLiteral("нули не обслуживаем!"));
        return std::nullopt;
    }
    return value;
}

// 4 × (Q × 1000) / (π × D × nu)
long double reynolds(double Q, double D, double nu) {
    return fp::div(fp::mul(4, fp::mul(Q, 1000)), fp::mul(fp::mul(kPi, D), nu));
}

} // namespace

void calculateHydraulics(Measurement& state, const HydraulicsInput& input,
                         HydraulicsDisplay& display) {
    // Each box is read just before its own test; a box after a refused one
    // is not read at all.
    const auto t = readNonZero(input.t);
    if (!t)
        return;
    const auto nu = readNonZero(input.nu);
    if (!nu)
        return;
    const auto K_e = readNonZero(input.K_e);
    if (!K_e)
        return;
    const auto K_gn = readNonZero(input.K_gn);
    if (!K_gn)
        return;

    display.showResult(HydraulicsLabel::K_e, FormatFixed(*K_e, 5, 4));
    display.showResult(HydraulicsLabel::nu, FormatFixed(*nu, 12, 10));
    display.showResult(HydraulicsLabel::t, FormatFixed(*t, 3, 1));
    state.nu = *nu;

    const double D = state.D_calc;
    LookupNominalDiameter(D);
    const double Q_min = state.Q_min;
    const double Q_max = state.Q_max;

    state.Re_min = fp::store(reynolds(Q_min, D, *nu));
    display.showResult(HydraulicsLabel::Re_min, FormatFixed(state.Re_min, 14, 1));
    state.Re_max = fp::store(reynolds(Q_max, D, *nu));

    // The friction coefficient goes with the largest Reynolds number; the
    // power is taken as exp(0.25 × ln x).
    const long double base = fp::add(fp::div(68, state.Re_max), fp::div(*K_e, D));
    state.lambda = fp::store(fp::mul(0.11L, fp::exp(fp::mul(0.25L, fp::ln(base)))));
    state.K_e = *K_e;
    display.showResult(HydraulicsLabel::lambda, FormatFixed(state.lambda, 8, 5));

    state.K_gn = *K_gn;
    state.K_gv = fp::store(fp::add(fp::mul(0.38L, fp::sqrt(state.lambda)), 1.01L));
    state.K_g = fp::store(fp::div(fp::add(state.K_gn, state.K_gv), 2));

    const long double rad = fp::div(fp::mul(kPi, state.angle_deg), 180);
    const long double sinus = fp::sin(rad);
    state.K_d = fp::store(fp::mul(sinus, fp::div(state.L_a_exact, D)));
    const long double tangent = fp::div(sinus, fp::cos(rad));

    long double K_corr = fp::div(1, state.K_g);
    K_corr = fp::mul(K_corr, tangent);
    K_corr = fp::mul(K_corr, state.K_d);
    K_corr = fp::div(K_corr, state.K_La);
    state.K_corr = fp::store(K_corr);
    state.t = *t;

    display.calculationDone();
}

} // namespace zamt
