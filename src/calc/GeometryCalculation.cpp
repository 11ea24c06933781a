#include "calc/GeometryCalculation.h"

#include "calc/FloatFaults.h"
#include "calc/NumberText.h"
#include "platform/CodePage.h"

namespace zamt {
namespace {

constexpr double kSmallestDiameter = 50;

std::string twoDecimals(double value) { return FormatFixed(value, 5, 2); }

} // namespace

const std::string& nothingEnteredMessage() {
    static const std::string message = cp1251("введите что нибудь!");
    return message;
}

const std::string& diameterTooSmallMessage() {
    static const std::string message = cp1251("диаметр только больше 50 мм!");
    return message;
}

void calculateGeometry(const GeometryTexts& texts, Measurement& state, GeometrySink& sink) {
    // Each box is read just before its own zero test; the boxes after the
    // first zero are not read at all, so what they hold is never reported.
    const double Dn = ParseNumber(texts.diameter);
    if (Dn == 0)
        return sink.refuse(nothingEnteredMessage());
    const double ds = ParseNumber(texts.wall);
    if (ds == 0)
        return sink.refuse(nothingEnteredMessage());
    const double dn = ParseNumber(texts.deposit);
    if (dn == 0)
        return sink.refuse(nothingEnteredMessage());
    const double angle_deg = ParseNumber(texts.angle);
    if (angle_deg == 0)
        return sink.refuse(nothingEnteredMessage());
    const double offset = ParseNumber(texts.offset);
    if (offset == 0)
        return sink.refuse(nothingEnteredMessage());
    if (!(Dn > kSmallestDiameter))
        return sink.refuse(diameterTooSmallMessage());

    // From here on every step takes effect as it goes: a fault in a later
    // step leaves the earlier stores and labels as they are.
    state.ds = ds;
    state.dn = dn;
    state.angle_deg = angle_deg;
    state.offset = offset;

    sink.showResult(GeometryLabel::Wall, twoDecimals(ds));
    sink.showResult(GeometryLabel::Deposit, twoDecimals(dn));
    sink.showResult(GeometryLabel::Angle, twoDecimals(angle_deg));

    const long double rad = fp::div(fp::mul(kPi, angle_deg), 180);
    state.L_a_exact = fp::store(fp::div(fp::add(Dn, kDiameterAllowance), fp::sin(rad)));
    sink.showResult(GeometryLabel::ExactLength, twoDecimals(state.L_a_exact));

    state.L_a_rough = fp::store(fp::mul(Dn, fp::sqrt(2.0L)));
    sink.showResult(GeometryLabel::RoughLength, twoDecimals(state.L_a_rough));

    const long double squared = fp::mul(Dn, Dn);
    state.K_La = fp::store(fp::sqrt(fp::sub(1, fp::div(fp::mul(4, offset), squared))));

    state.D_calc = fp::store(fp::add(Dn, kDiameterAllowance));
    sink.showResult(GeometryLabel::Diameter, twoDecimals(Dn));

    state.object_name = texts.name;
    sink.showResult(GeometryLabel::ChannelCoeff, FormatFixed(state.K_La, 8, 6));

    sink.calculated();
}

} // namespace zamt
