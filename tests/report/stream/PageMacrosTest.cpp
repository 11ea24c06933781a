#include "StreamTestSupport.h"
#include "platform/CodePage.h"
#include "report/stream/RptPageMacros.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

TEST(PageMacros, SplitsTextsIntoPlainRunsAtInlineCommands) {
    const struct {
        std::string text;
        std::vector<std::string> runs;
    } cases[] = {
        {"", {}},
        {"plain", {"plain"}},
        {"bold\x01"
         "B\x01"
         "face",
         {"bold", "face"}},
        {"\x01"
         "B\x01"
         "only after",
         {"only after"}},
        {"\x01"
         "X\x01",
         {}},
        {"a\x01\x01"
         "b",
         {"a", "b"}},
        {"a\x01"
         "B\x01"
         "b\x01"
         "I\x01"
         "c",
         {"a", "b", "c"}},
        {"cut\x01"
         "never closed",
         {"cut"}},
        {"\x01\x01\x01\x01", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(rptTextRuns(c.text), c.runs);
    }
}

const QDateTime Afternoon(QDate(2024, 3, 7), QTime(14, 5, 9));
const QDateTime AfterMidnight(QDate(1999, 12, 31), QTime(0, 30, 0));

TEST(PageMacros, FormatsTheReportDateAndTimeInTheLocale) {
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const struct {
        QLocale locale;
        QDateTime moment;
        int index;
        QString expected;
    } cases[] = {
        {QLocale::c(), Afternoon, 2, "03/07/24"},
        {QLocale::c(), Afternoon, 3, "07/03/24"},
        {QLocale::c(), Afternoon, 6, "02:05 PM"},
        {QLocale::c(), Afternoon, 7, "14:05"},
        {QLocale::c(), AfterMidnight, 2, "12/31/99"},
        {QLocale::c(), AfterMidnight, 6, "12:30 AM"},
        {QLocale::c(), AfterMidnight, 7, "00:30"},
        {russian, Afternoon, 0, "07.03.2024"},
        {russian, Afternoon, 2, "03.07.24"},
        {russian, Afternoon, 3, "07.03.24"},
        {russian, Afternoon, 4, "14:05"},
        {russian, Afternoon, 5, "14:05:09"},
        {russian, Afternoon, 7, "14:05"},
        {QLocale::c(), Afternoon, 8, ""},
        {QLocale::c(), Afternoon, -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString() + " " + std::to_string(c.index));
        EXPECT_EQ(rptDateTimeMacro(c.index, c.moment, c.locale).toStdString(),
                  c.expected.toStdString());
    }
    // The short and long forms are the locale's own.
    EXPECT_EQ(rptDateTimeMacro(1, Afternoon, russian),
              russian.toString(Afternoon.date(), QLocale::LongFormat));
    EXPECT_EQ(rptDateTimeMacro(4, Afternoon, QLocale::c()), "14:05:09");
}

TEST(PageMacros, FindsEveryMacroTextItMakesAndNoCutOne) {
    const struct {
        std::string text;
        int index;
        std::string name;
    } cases[] = {
        {rptPageMacro(0), 0, ""},
        {rptPageMacro(7), 7, ""},
        {rptPageMacro(RptMacro::PageNumber), 11, ""},
        {rptPageMacro(35), 35, ""},
        {rptPageMacro(99), 99, ""},
        {rptVariableMacro("Total"), -1, "Total"},
        {rptVariableMacro(cp1251("Город")), -1, cp1251("Город")},
        {rptVariableMacro(""), -1, ""},
        {rptVariableMacro(rptPageMacro(11)), -1, rptPageMacro(11)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.text[0], char(253));
        const std::string inText = "ab" + c.text + "cd";
        const std::optional<RptMacroRef> found = rptMacroAt(inText, 2);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->index, c.index);
        EXPECT_EQ(found->name, c.name);
        EXPECT_EQ(found->length, c.text.size());
        EXPECT_FALSE(rptMacroAt(inText, 1).has_value());
        for (size_t cut = 0; cut < c.text.size(); ++cut)
            EXPECT_FALSE(rptMacroAt(c.text.substr(0, cut), 0).has_value()) << cut;
    }
    EXPECT_EQ(rptPageMacro(11), std::string("\xFD$PGCM11"));
    EXPECT_EQ(rptVariableMacro("V"), std::string("\xFD$PGCV\xFCV\xFB"));
}

TEST(PageMacros, RefusesMacrosThatCannotBeWrittenBack) {
    EXPECT_EQ(errorOf([] { rptPageMacro(-1); }),
              "There is no page macro -1: macros are numbered 0 to 99.");
    EXPECT_EQ(errorOf([] { rptPageMacro(100); }),
              "There is no page macro 100: macros are numbered 0 to 99.");
    // Byte 251 is the letter "ы" of the code page.
    EXPECT_EQ(QString::fromStdString(errorOf([] { rptVariableMacro(cp1251("Итоговый")); })),
              QStringLiteral("The report variable \"Итоговый\" cannot stand in a page macro: "
                             "byte 251 in its name would end the name there."));
}

// Supplies macros 13 to 15 and the macro data lines, as a renderer does, and
// keeps the runs of the last text drawn.
class MacroSupplier : public TRptRender {
public:
    explicit MacroSupplier(std::vector<std::string> data) : data_(std::move(data)) {}
    std::vector<std::string> runs;

    void text(const RptText& text) override { runs = text.runs; }
    std::string macroValue(int index) const override { return "r" + std::to_string(index); }
    std::optional<std::string> macroLine(int line) const override {
        if (line < 0 || size_t(line) >= data_.size())
            return std::nullopt;
        return data_[size_t(line)];
    }

private:
    std::vector<std::string> data_;
};

// Writes one page (number 4 of a range 2..9) with the given text, and a
// variable "Total", then replays it with a fixed moment.
std::vector<std::string> runsOf(const std::string& text, const std::vector<std::string>& data) {
    QByteArray bytes = writeStream(
        [&](TRptStreamWriter& w) {
            w.setReportVariable("Total", "1234");
            for (int page = 1; page <= 5; ++page) {
                w.beginPage();
                if (page == 4)
                    w.text(1, 1, text);
                w.endPage();
            }
        },
        [](TRptStreamWriter& w) {
            w.setFirstPage(2);
            w.setLastPage(9);
        });
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    reader.setReportTime(Afternoon);
    reader.setLocale(QLocale::c());
    MacroSupplier render(data);
    reader.replayPage(3, render);
    return render.runs;
}

std::string macro(int index) {
    return rptPageMacro(index);
}

TEST(PageMacros, ReplacesPageMacrosWhenThePageIsDrawn) {
    const std::vector<std::string> data = {"first line", "second line"};
    const std::string e = std::string(1, char(253));
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"Page " + macro(11) + " of " + macro(10), "Page 4 of 4"},
        {macro(8) + "-" + macro(9), "2-9"},
        {macro(12), "4"},
        {macro(2) + " " + macro(7), "03/07/24 14:05"},
        {macro(13) + macro(14) + macro(15), "r13r14r15"},
        {macro(16) + "|" + macro(17) + "|" + macro(18) + "|" + macro(35),
         "first line|second line||"},
        {macro(36) + macro(99), ""},
        {std::string("[").append(rptVariableMacro("TOTAL")) + "]", "[1234]"},
        {std::string("[").append(rptVariableMacro("missing")) + "]", "[]"},
        // Byte 253 is also a letter of the code page: without a whole macro after it, it stays.
        {cp1251("это $PGCM1 э$PGCMx1 э$PGCV"), cp1251("это $PGCM1 э$PGCMx1 э$PGCV")},
        {e + "$PGCV" + char(252) + "Total", e + "$PGCV" + char(252) + "Total"},
        {e + "$pgcm01", e + "$pgcm01"},
        {e + e + "$PGCM11", e + "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(runsOf(c.text, data), std::vector<std::string>{c.expected});
    }
    // Runs are split first, then each is expanded.
    EXPECT_EQ(runsOf(macro(11) +
                         "\x01"
                         "B\x01" +
                         macro(10),
                     data),
              (std::vector<std::string>{"4", "4"}));
}

} // namespace
} // namespace zamt::test
