// Windows-1251 through the system's code page 1251, the separator of the
// regional settings, and the runtime's I/O messages from Windows error codes.
#include "platform/CodePage.h"
#include "platform/DecimalSeparator.h"
#include "platform/FileFailure.h"
#include "platform/IoErrors.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

struct CodePoint {
    unsigned char byte;
    char16_t unicode;
};

TEST(WindowsCodePage, DecodesAndEncodesThroughCodePage1251) {
    const CodePoint table[] = {{0x41, u'A'},    {0xC0, u'А'},    {0xDF, u'Я'},    {0xE0, u'а'},
                               {0xFF, u'я'},    {0xA8, u'Ё'},    {0xB8, u'ё'},    {0xB9, u'№'},
                               {0x88, u'\u20AC'}, {0x96, u'\u2013'}, {0xAB, u'«'},  {0xA0, u'\u00A0'}};
    for (const CodePoint& c : table) {
        const char byte = static_cast<char>(c.byte);
        EXPECT_EQ(fromCp1251(std::string_view(&byte, 1)), QString(QChar(c.unicode))) << int(c.byte);
        EXPECT_EQ(toCp1251(QString(QChar(c.unicode))), std::string(1, byte)) << int(c.byte);
    }
}

TEST(WindowsCodePage, EveryDefinedByteComesBackAsItWas) {
    for (int value = 1; value < 256; ++value) {
        if (value == 0x98) // the one byte the code page leaves undefined
            continue;
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(toCp1251(fromCp1251(byte)), byte) << value;
    }
}

TEST(WindowsCodePage, ACharacterTheCodePageLacksBecomesAQuestionMark) {
    EXPECT_EQ(toCp1251(QString::fromUtf8("Жλ€")), "\xC6?\x88");
    EXPECT_EQ(cp1251("Уже записано: 11Kbit"),
              "\xD3\xE6\xE5 \xE7\xE0\xEF\xE8\xF1\xE0\xED\xEE: 11Kbit");
}

TEST(WindowsRegionalSettings, TheSeparatorIsOneByteOfWindows1251OrAFullStop) {
    const struct {
        const char* text;
        char separator;
    } table[] = {{",", ','}, {".", '.'}, {"", '.'}, {",,", '.'}, {"\u066B", '.'}, {"\u00B7", '\xB7'}};
    for (const auto& c : table)
        EXPECT_EQ(decimalSeparatorOfText(QString::fromUtf8(c.text)), c.separator) << c.text;
}

// The prefix's locale is set by ctest (LANG); the program reads it once.
TEST(WindowsRegionalSettings, TheUsersSettingIsRead) {
    const QByteArray expected = qgetenv("ZAMT_EXPECTED_SEPARATOR");
    if (expected.size() != 1)
        GTEST_SKIP() << "ZAMT_EXPECTED_SEPARATOR names no separator";
    EXPECT_EQ(systemDecimalSeparator(), expected[0]);
}

TEST(WindowsIoMessages, CodesTwoToFiveHaveTextsTheOthersTheirNumber) {
    const struct {
        int code;
        const char* message;
    } table[] = {{2, "File not found"},      {3, "Invalid filename"},
                 {4, "Too many open files"}, {5, "File access denied"},
                 {112, "I/O error 112"},     {32, "I/O error 32"},
                 {123, "I/O error 123"},     {0, "I/O error 0"}};
    for (const auto& c : table)
        EXPECT_EQ(ioErrorMessage(c.code), QString::fromUtf8(c.message)) << c.code;
}

TEST(WindowsIoMessages, TheSystemsReasonIsOneSentenceWithoutItsFullStop) {
    for (const int code : {2, 3, 5, 32, 112, 123}) {
        const QString text = systemErrorText(code);
        EXPECT_FALSE(text.isEmpty()) << code;
        EXPECT_FALSE(text.endsWith(QLatin1Char('.'))) << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('\n'))) << text.toStdString();
    }
}

} // namespace
} // namespace zamt
