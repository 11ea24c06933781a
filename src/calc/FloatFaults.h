#pragma once
// The floating-point fault convention of the calculations. The arithmetic runs
// in long double; an invalid operation (0/0, root or logarithm of a negative
// number), a division by zero or an overflow ends the running handler with
// one of three fixed messages. Underflow and inexact results pass silently.
// Faults are detected by these checked operations, not by signals.
#include "platform/AppError.h"

namespace zamt {

// π as the calculations use it: an extended-precision constant.
inline constexpr long double kPi = 3.14159265358979323846264338327950288L;

enum class FloatFault { InvalidOperation, DivisionByZero, Overflow };

QString floatFaultMessage(FloatFault fault);

class FloatFaultError : public AppError {
public:
    explicit FloatFaultError(FloatFault fault) : AppError(floatFaultMessage(fault)), fault_(fault) {}
    FloatFault fault() const { return fault_; }

private:
    FloatFault fault_;
};

namespace fp {

long double add(long double a, long double b);
long double sub(long double a, long double b);
long double mul(long double a, long double b);
long double div(long double a, long double b);
long double sqrt(long double x);
long double ln(long double x); // ln 0 is a division by zero, as on the x87
long double exp(long double x);
long double sin(long double x);
long double cos(long double x);
// Rounds to the double that is stored; a value beyond the double range overflows.
double store(long double x);

} // namespace fp
} // namespace zamt
