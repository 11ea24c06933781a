#include "calc/FloatFaults.h"
#include "calc/NumberText.h"
#include "platform/CodePage.h"
#include "support/TempDir.h"

#include <QFile>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace zamt {
namespace {

struct FormatCase {
    double value;
    int precision;
    int decimals;
    const char* expected; // written with ',' as the separator
};

// Swaps the separator of a comma-written expectation.
std::string withSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == ',')
            c = separator;
    return text;
}

// The documented layouts of FormatFixed.
const std::vector<FormatCase>& formatCases() {
    static const std::vector<FormatCase> cases = {
        // The worked examples.
        {100, 5, 2, "100,00"},
        {0.0334942, 8, 5, "0,03349"},
        {123456, 5, 2, "1,2346E05"},
        {6401357493.5, 5, 14, "6,4014E9"},
        {45678.9, 5, 14, "45679,00000000000000"},
        {1234567.8, 6, 1, "1,23457E6"},
        {0.00167, 6, 1, "0,0"},
        // Record lines.
        {62758406.8, 6, 1, "6,27584E7"},
        {123456.78, 6, 1, "123457,0"},
        {0.000001308, 5, 12, "0,000001308000"},
        {0.000001308, 12, 10, "0,0000013080"},
        {116.33 - 16.33, 6, 1, "100,0"},
        // Rounding half away from zero, on exact binary ties too.
        {2.5, 2, 0, "3"},
        {-2.5, 2, 0, "-3"},
        {0.125, 5, 2, "0,13"},
        {-0.125, 5, 2, "-0,13"},
        {0.375, 5, 2, "0,38"},
        {0.124999, 5, 2, "0,12"},
        {0.05, 6, 1, "0,1"},
        {0.96, 6, 1, "1,0"},
        {9.9996, 5, 3, "10,000"},
        // Exactly P integer digits stay fixed; P + 1 switch to the scientific form.
        {12345, 5, 2, "12345,00"},
        {123450, 5, 2, "1,2345E05"},
        {99999.4, 5, 14, "99999,00000000000000"},
        {99999.5, 5, 14, "1E5"},
        {999999.5, 6, 1, "1E6"},
        {-123456, 5, 2, "-1,2346E05"},
        // Exponent padding to D digits while D is at most 4.
        {123456, 5, 0, "1,2346E5"},
        {123456, 5, 1, "1,2346E5"},
        {123456, 5, 3, "1,2346E005"},
        {123456, 5, 4, "1,2346E0005"},
        {123456, 5, 5, "1,2346E5"},
        {1e20, 5, 2, "1E20"},
        {1e20, 5, 3, "1E020"},
        // P and D are clamped.
        {3.14159, 1, 3, "3,100"},
        {1234.5, 0, 1, "1,2E3"},
        {1.0 / 3.0, 30, 30, "0,333333333333333315"},
        {2.0, 5, -3, "2"},
        // Zero, and a negative value that rounds to zero.
        {0.0, 5, 2, "0,00"},
        {-0.0, 5, 2, "0,00"},
        {-0.04, 6, 1, "0,0"},
        {1e-300, 7, 5, "0,00000"},
    };
    return cases;
}

void expectDocumentedLayouts(char separator) {
    for (const FormatCase& c : formatCases()) {
        EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals, separator),
                  withSeparator(c.expected, separator))
            << c.value << " P " << c.precision << " D " << c.decimals;
    }
}

class FormatFixedTest : public testing::TestWithParam<char> {};

TEST_P(FormatFixedTest, WritesTheDocumentedLayouts) { expectDocumentedLayouts(GetParam()); }

TEST_P(FormatFixedTest, WritesInfinitiesAndNotANumber) {
    const char separator = GetParam();
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 5, 2, separator), "INF");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 5, 2, separator), "-INF");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 5, 2, separator), "NAN");
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, FormatFixedTest, testing::Values(',', '.'));

// Switches LC_NUMERIC to a locale whose decimal point is longer than one
// byte (Pashto's is U+066B), generated with localedef when the system lacks
// it, and back to "C" afterwards.
class LongDecimalPointLocale {
public:
    LongDecimalPointLocale() {
        if (std::setlocale(LC_NUMERIC, "ps_AF.UTF-8"))
            return;
        const QString command = QStringLiteral("localedef -i ps_AF -f UTF-8 %1/ps_AF.UTF-8 2>&1")
                                    .arg(folder_.path());
        if (std::system(command.toLocal8Bit().constData()) != 0)
            return;
        // glibc reads LOCPATH at every setlocale.
        qputenv("LOCPATH", QFile::encodeName(folder_.path()));
        std::setlocale(LC_NUMERIC, "ps_AF.UTF-8");
    }
    ~LongDecimalPointLocale() {
        std::setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
    }
    bool active() const { return std::strlen(std::localeconv()->decimal_point) > 1; }

private:
    test::TempDir folder_;
};

TEST(FormatFixedLocaleTest, DigitsDoNotDependOnTheCLibrarysNumericLocale) {
    LongDecimalPointLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no locale with a multi-byte decimal point (localedef -i ps_AF failed)";
    expectDocumentedLayouts(',');
    expectDocumentedLayouts('.');
}

struct ParseCase {
    const char* text; // written with ',' as the separator
    double expected;
};

class ParseNumberTest : public testing::TestWithParam<char> {};

TEST_P(ParseNumberTest, ReadsAcceptedTexts) {
    const char separator = GetParam();
    const ParseCase cases[] = {
        {"12,5", 12.5},       {"  12,5  ", 12.5},    {"-3", -3},           {"+3", 3},
        {",", 0},             {"-,", 0},             {"5,", 5},            {",5", 0.5},
        {"1e3", 1000},        {"1,5E-2", 0.015},     {"2E+2", 200},        {"0,000001308", 0.000001308},
        {"100", 100},         {"007", 7},            {"1e-5000", 0},
    };
    for (const ParseCase& c : cases) {
        const std::string text = withSeparator(c.text, separator);
        EXPECT_EQ(ParseNumber(text, separator), c.expected) << text;
    }
}

TEST_P(ParseNumberTest, RefusesMalformedTextsWithTheConversionMessage) {
    const char separator = GetParam();
    const char other = separator == ',' ? '.' : ',';
    // '#' stands for the locale's separator, '~' for the other locale's.
    const std::string malformed[] = {
        "",      "   ",  "1#2#3", "1~5",  "~",    "##",   "e5",    "#e5",  "1e",
        "1e+",   "1e-",  "--1",   "+-1",  "-",    "+",    "1 2",   "abc",  "12abc",
        "0x10",  "1e5000", "\t1", "1#5e", "1e1#5", cp1251("1#5мм"),
    };
    for (std::string text : malformed) {
        for (char& c : text)
            c = c == '#' ? separator : c == '~' ? other : c;
        try {
            ParseNumber(text, separator);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("'%1' is not a valid floating point value").arg(fromCp1251(text)))
                << text;
        }
    }
}

TEST_P(ParseNumberTest, ValuesBeyondTheDoubleRangeOverflow) {
    const char separator = GetParam();
    try {
        ParseNumber("1e400", separator);
        ADD_FAILURE() << "1e400 accepted";
    } catch (const FloatFaultError& error) {
        EXPECT_EQ(error.fault(), FloatFault::Overflow);
        EXPECT_EQ(error.message(), QStringLiteral("Floating point overflow"));
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, ParseNumberTest, testing::Values(',', '.'));

} // namespace
} // namespace zamt
