#include "calc/NumberText.h"

#include "calc/FloatFaults.h"
#include "platform/CLocaleNumber.h"
#include "platform/CodePage.h"
#include "platform/DecimalSeparator.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zamt {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void conversionError(std::string_view text) {
    throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(fromCp1251(text)));
}

// Strict scan of the accepted text; returns it in the C locale's spelling
// ('.' as separator, blanks removed), or nothing when it is not a number.
bool normalise(std::string_view text, char separator, std::string& out) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        out += text[i++];
    size_t digits = 0;
    bool sawSeparator = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            out += text[i];
            ++digits;
        } else if (text[i] == separator && !sawSeparator) {
            out += '.';
            sawSeparator = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        // Only the separator (after an optional sign) reads as 0.
        if (!sawSeparator)
            return false;
        out = out.front() == '-' ? "-0" : "0";
    }
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        if (digits == 0)
            return false;
        out += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            out += text[i++];
        size_t exponentDigits = 0;
        for (; i < n && isDigit(text[i]); ++i, ++exponentDigits)
            out += text[i];
        if (exponentDigits == 0)
            return false;
    }
    while (i < n && text[i] == ' ')
        ++i;
    return i == n;
}

} // namespace

double ParseNumber(std::string_view text, char separator) {
    std::string normalised;
    if (!normalise(text, separator, normalised))
        conversionError(text);
    const long double value = cLocaleNumber(normalised);
    if (std::isinf(value))
        conversionError(text);
    return fp::store(value);
}

double ParseNumber(std::string_view text) { return ParseNumber(text, decimalSeparator()); }

std::string FormatFixed(double value, int precision, int decimals, char separator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    const int p = std::clamp(precision, 2, 18);
    const int d = std::clamp(decimals, 0, 18);

    // The decimal digits of |value|: value = 0.digits × 10^(exponent + 1).
    // A hundred significant digits leave no doubt about the rounding digit.
    // std::to_chars spells them the same under every locale (the C
    // library's printf follows LC_NUMERIC, whose decimal point may be longer
    // than one byte).
    char buffer[160];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1,
                                       std::fabs(static_cast<long double>(value)),
                                       std::chars_format::scientific, 99);
    *written.ptr = '\0';
    std::string digits;
    digits += buffer[0];
    const char* cursor = buffer + 2;
    while (isDigit(*cursor))
        digits += *cursor++;
    int exponent = std::atoi(cursor + 1);
    if (value == 0)
        exponent = 0;

    // Keep at most P significant digits and at most D decimals.
    int keep = std::min(p, exponent + 1 + d);
    std::string kept;
    if (keep >= 0) {
        kept = digits.substr(0, static_cast<size_t>(keep));
        if (digits[static_cast<size_t>(keep)] >= '5') {
            int pos = keep - 1;
            while (pos >= 0 && kept[static_cast<size_t>(pos)] == '9')
                kept[static_cast<size_t>(pos--)] = '0';
            if (pos >= 0) {
                ++kept[static_cast<size_t>(pos)];
            } else {
                kept.insert(kept.begin(), '1');
                ++exponent;
                ++keep;
            }
        }
    }
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    const bool negative = value < 0 && !zero;
    const int integerDigits = zero ? 0 : std::max(0, exponent + 1);

    std::string text = negative ? "-" : "";
    if (integerDigits <= p) {
        // Digit k of the rounded value stands at 10^(exponent - k).
        auto digitAt = [&](int power) {
            const int index = exponent - power;
            return index >= 0 && index < static_cast<int>(kept.size()) && !zero
                       ? kept[static_cast<size_t>(index)]
                       : '0';
        };
        if (integerDigits == 0)
            text += '0';
        for (int power = integerDigits - 1; power >= 0; --power)
            text += digitAt(power);
        if (d > 0) {
            text += separator;
            for (int power = -1; power >= -d; --power)
                text += digitAt(power);
        }
        return text;
    }
    std::string mantissa = kept.substr(0, static_cast<size_t>(p));
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    text += mantissa[0];
    if (mantissa.size() > 1) {
        text += separator;
        text += mantissa.substr(1);
    }
    text += 'E';
    std::string exponentText = std::to_string(std::abs(exponent));
    if (exponent < 0)
        text += '-';
    if (d <= 4 && static_cast<int>(exponentText.size()) < d)
        exponentText.insert(0, static_cast<size_t>(d) - exponentText.size(), '0');
    return text + exponentText;
}

std::string FormatFixed(double value, int precision, int decimals) {
    return FormatFixed(value, precision, decimals, decimalSeparator());
}

} // namespace zamt
