#pragma once
// Number text of the program: every number read from an edit box and every
// number shown in a label or written into a record. Texts are Windows-1251
// bytes; the separator is the locale's decimal separator.
#include <string>
#include <string_view>

namespace zamt {

// Reads the text of an edit box: optional blanks, an optional sign, digits
// with at most one separator, an optional exponent, optional blanks. A text
// that holds only the separator reads as 0. Anything else, or a value beyond
// the extended range, raises "'%s' is not a valid floating point value"; a
// value within the extended range but beyond the double range overflows.
double ParseNumber(std::string_view text, char separator);
double ParseNumber(std::string_view text);

// Writes value rounded half away from zero to at most P significant digits and
// at most D decimals; fixed notation with exactly D decimals while the
// rounded value has at most P integer digits, the scientific form otherwise.
std::string FormatFixed(double value, int precision, int decimals, char separator);
std::string FormatFixed(double value, int precision, int decimals);

} // namespace zamt
