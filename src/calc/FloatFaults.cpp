#include "calc/FloatFaults.h"

#include <cmath>

namespace zamt {

QString floatFaultMessage(FloatFault fault) {
    switch (fault) {
    case FloatFault::InvalidOperation:
        return QStringLiteral("Invalid floating point operation");
    case FloatFault::DivisionByZero:
        return QStringLiteral("Floating point division by zero");
    case FloatFault::Overflow:
        break;
    }
    return QStringLiteral("Floating point overflow");
}

namespace fp {
namespace {

[[noreturn]] void fault(FloatFault kind) { throw FloatFaultError(kind); }

// A NaN or an infinity out of finite operands is a fault; a NaN already
// present in an operand is an invalid operation as well.
long double checked(long double result, long double a, long double b) {
    if (std::isnan(a) || std::isnan(b) || std::isnan(result))
        fault(FloatFault::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        fault(FloatFault::Overflow);
    return result;
}

} // namespace

long double add(long double a, long double b) { return checked(a + b, a, b); }
long double sub(long double a, long double b) { return checked(a - b, a, b); }
long double mul(long double a, long double b) { return checked(a * b, a, b); }

long double div(long double a, long double b) {
    if (b == 0.0L)
        fault(a == 0.0L || std::isnan(a) ? FloatFault::InvalidOperation
                                         : FloatFault::DivisionByZero);
    return checked(a / b, a, b);
}

long double sqrt(long double x) {
    if (x < 0.0L || std::isnan(x))
        fault(FloatFault::InvalidOperation);
    return std::sqrt(x);
}

long double ln(long double x) {
    if (x < 0.0L || std::isnan(x))
        fault(FloatFault::InvalidOperation);
    if (x == 0.0L)
        fault(FloatFault::DivisionByZero);
    return std::log(x);
}

long double exp(long double x) { return checked(std::exp(x), x, 0.0L); }

long double sin(long double x) {
    if (!std::isfinite(x))
        fault(FloatFault::InvalidOperation);
    return std::sin(x);
}

long double cos(long double x) {
    if (!std::isfinite(x))
        fault(FloatFault::InvalidOperation);
    return std::cos(x);
}

double store(long double x) {
    if (std::isnan(x))
        fault(FloatFault::InvalidOperation);
    const double stored = static_cast<double>(x);
    if (std::isinf(stored) && std::isfinite(x))
        fault(FloatFault::Overflow);
    return stored;
}

} // namespace fp
} // namespace zamt
