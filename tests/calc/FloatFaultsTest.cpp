#include "calc/FloatFaults.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace zamt {
namespace {

std::optional<FloatFault> faultOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const FloatFaultError& error) {
        return error.fault();
    }
    return std::nullopt;
}

TEST(FloatFaults, EachFaultCarriesItsFixedMessage) {
    EXPECT_EQ(FloatFaultError(FloatFault::InvalidOperation).message(),
              QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(FloatFaultError(FloatFault::DivisionByZero).message(),
              QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(FloatFaultError(FloatFault::Overflow).message(),
              QStringLiteral("Floating point overflow"));
}

TEST(FloatFaults, CheckedOperationsRaiseTheRightFault) {
    const long double huge = std::numeric_limits<long double>::max();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    struct Case {
        const char* name;
        std::function<void()> operation;
        std::optional<FloatFault> expected;
    };
    const Case cases[] = {
        {"0/0", [] { fp::div(0, 0); }, FloatFault::InvalidOperation},
        {"1/0", [] { fp::div(1, 0); }, FloatFault::DivisionByZero},
        {"-1/0", [] { fp::div(-1, -0.0L); }, FloatFault::DivisionByZero},
        {"sqrt(-1)", [] { fp::sqrt(-1); }, FloatFault::InvalidOperation},
        {"sqrt(-0)", [] { fp::sqrt(-0.0L); }, std::nullopt},
        {"ln(-1)", [] { fp::ln(-1); }, FloatFault::InvalidOperation},
        {"ln(0)", [] { fp::ln(0); }, FloatFault::DivisionByZero},
        {"exp(1e6)", [] { fp::exp(1e6L); }, FloatFault::Overflow},
        {"exp(-1e6)", [] { fp::exp(-1e6L); }, std::nullopt},
        {"max*2", [huge] { fp::mul(huge, 2); }, FloatFault::Overflow},
        {"max+max", [huge] { fp::add(huge, huge); }, FloatFault::Overflow},
        {"nan+1", [nan] { fp::add(nan, 1); }, FloatFault::InvalidOperation},
        {"store(1e400)", [] { fp::store(1e400L); }, FloatFault::Overflow},
        {"store(-1e400)", [] { fp::store(-1e400L); }, FloatFault::Overflow},
        {"store(1e-400)", [] { fp::store(1e-400L); }, std::nullopt},
        {"1e-4000*1e-4000", [] { fp::mul(1e-4000L, 1e-4000L); }, std::nullopt},
        {"sin(inf)", [] { fp::sin(std::numeric_limits<long double>::infinity()); },
         FloatFault::InvalidOperation},
        {"6/3", [] { fp::div(6, 3); }, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(faultOf(c.operation), c.expected) << c.name;
}

TEST(FloatFaults, CheckedOperationsComputeInExtendedPrecision) {
    // 1 + 2^-60 is lost in double but kept in the 64-bit mantissa.
    const long double tiny = 1.0L / (1ULL << 60);
    EXPECT_NE(fp::sub(fp::add(1.0L, tiny), 1.0L), 0.0L);
    EXPECT_EQ(fp::store(fp::add(1.0L, tiny)), 1.0);
}

} // namespace
} // namespace zamt
