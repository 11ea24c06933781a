// The help text shipped beside the program: its topics parse, topic 1 walks a
// technician through the whole road of a measurement, and the captions and
// messages it quotes are the program's own, letter for letter.
#include "platform/HelpFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace zamt {
namespace {

HelpFile shippedHelp() {
    return HelpFile::parse(
        test::readFile(test::sourceDir() + QStringLiteral("/resources/helpZ.hlp")));
}

TEST(HelpText, HasTheTopicsItsContentsListNames) {
    const HelpFile help = shippedHelp();
    const struct {
        int number;
        const char* title;
    } topics[] = {
        {1, "Как работает программа"},
        {2, "Окно геометрии \"geom\""},
        {3, "Окно гидравлики \"gidravl\""},
        {4, "Паспорт измерения"},
        {5, "Печать отчета"},
        {6, "Сообщения программы"},
    };
    EXPECT_EQ(help.topicCount(), std::size(topics));
    for (const auto& expected : topics) {
        SCOPED_TRACE(expected.number);
        const auto topic = help.topic(expected.number);
        ASSERT_TRUE(topic.has_value());
        EXPECT_EQ(topic->title, QString::fromUtf8(expected.title));
        EXPECT_GT(topic->body.size(), 400);
        EXPECT_FALSE(topic->body.contains(QLatin1String("@#"))) << "comment leaked into the body";
    }
}

TEST(HelpText, TopicOneQuotesEveryStepOfAMeasurementInOrder) {
    const auto topic = shippedHelp().topic(1);
    ASSERT_TRUE(topic.has_value());
    // Captions and messages as the windows show them, in the order a
    // technician meets them.
    const char* steps[] = {
        "\"вычисления\"",
        "\"геомерич.измерения\"",
        "\"geom\"",
        "\"считаем?\"",
        "\"введите что нибудь!\"",
        "\"диаметр только больше 50 мм!\"",
        "\"ещё поправки?\"",
        "\"переходим на гидравлику\"",
        "\"gidravl\"",
        "\"посмотрим?\"",
        "0,000001308",
        "1,075",
        "\"нули не обслуживаем!\"",
        "\"график с рис.7 таблицы для Кгн\"",
        "\"рисунок 7\"",
        "\"exit\"",
        "\"записываем?\"",
        "data07.txt",
        "30 строк",
        "Windows-1251",
        "\"Уже записано: 11Kbit\"",
        "\"паспорт\"",
        "\"создание отчета\"",
        "\"файл\"",
        "\"отчет\"",
        "\"Output Options\"",
        "\"Report Status\"",
        "\"Report Preview\"",
    };
    qsizetype from = 0;
    for (const char* step : steps) {
        const qsizetype at = topic->body.indexOf(QString::fromUtf8(step), from);
        EXPECT_GE(at, 0) << step << " missing or out of order";
        if (at >= 0)
            from = at;
    }
}

TEST(HelpText, QuotedMessagesAreThePrograms) {
    // A misspelt message in the help would send the reader looking for a
    // text the program never shows.
    const HelpFile help = shippedHelp();
    const auto messages = help.topic(6);
    ASSERT_TRUE(messages.has_value());
    const char* texts[] = {
        "\"введите что нибудь!\"",
        "\"диаметр только больше 50 мм!\"",
        "\"нули не обслуживаем!\"",
        "\"диаметр менее расчетного!\"",
        "\"Диаметр больше расчетного!\"",
        "\"'...' is not a valid floating point value\"",
        "\"Invalid floating point operation\"",
        "\"Floating point division by zero\"",
        "\"у вас деление на zamt_g = 0!\"",
        "\"File access error\"",
        "\"Уже записано: NKbit\"",
        "\"Cannot open file ...\"",
        "\"Text exceeds memo capacity\"",
    };
    for (const char* text : texts)
        EXPECT_TRUE(messages->body.contains(QString::fromUtf8(text))) << text;
}

TEST(HelpText, ThePrintingTopicNamesTheFormatsTheirRuleAndTheCommandLine) {
    const auto topic = shippedHelp().topic(5);
    ASSERT_TRUE(topic.has_value());
    const char* texts[] = {
        "\"Report Snapshot File (RPS)\"", "\"Native Printer Output (PRN)\"",
        "\"PDF Document (PDF)\"",         "report.pdf записывается как PDF",
        "report -> report.rps",           "zamt05 --print",
        "--to",                           "--printer",
        "--format rps|pdf|prn",           "--project",
    };
    const QString body = topic->body.simplified(); // its lines joined
    for (const char* text : texts)
        EXPECT_TRUE(body.contains(QString::fromUtf8(text))) << text;
}

} // namespace
} // namespace zamt
