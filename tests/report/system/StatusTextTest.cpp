#include "report/stream/RptStatusText.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

TEST(StatusText, ExpandsEveryMacro) {
    RptStatusValues v;
    v.lines = {QStringLiteral("zero"), QStringLiteral("one")};
    v.pass = 2;
    v.passes = 3;
    v.page = 17;
    v.firstPage = 4;
    v.lastPage = 40;
    v.device = QStringLiteral("Dev");
    v.driver = QStringLiteral("Drv");
    v.port = QStringLiteral("Prt");
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"Generating page %p", "Generating page 17"},
        {"%P/%c/%S", "17/2/3"},
        {"%f-%l", "4-40"},
        {"%d %R %t", "Dev Drv Prt"},
        {"%0|%1|%3", "zero|one|"},
        {"a%nb", "a\rb"},
        {"100%%", "100%"},
        {"%Z", "<ERROR-%Z>"},
        {"%z%?", "<ERROR-%Z><ERROR-%?>"},
        {"ends in %", "ends in %"},
        {"%%p", "%p"},
        {"", ""},
        {"no macros", "no macros"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rptStatusText(QString::fromLatin1(c.format), v), QString::fromLatin1(c.expected))
            << c.format;
}

TEST(StatusText, ReplacementsAreNotScannedAgain) {
    RptStatusValues v;
    v.lines = {QStringLiteral("%p"), QStringLiteral("50%")};
    v.page = 3;
    EXPECT_EQ(rptStatusText(QStringLiteral("%0 %1%p"), v), QStringLiteral("%p 50%3"));
}

} // namespace
} // namespace zamt
