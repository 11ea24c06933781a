#include "RptDump.h"
#include "../../report/stream/StreamTestSupport.h"
#include "RptDumpRender.h"
#include "platform/CodePage.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QProcess>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace zamt::test {
namespace {

QByteArray sampleStream() {
    return writeStream(
        [](TRptStreamWriter& w) {
            w.setReportVariable(cp1251("Итог"), "12");
            w.beginPage();
            w.text(1, 2,
                   cp1251("Привет \"мир\"\x01"
                          "B\x01"));
            w.setBold(true);
            w.rectangle({0.5f, 0.5f, 8, 10.5f});
            w.drawPicture(RptGraphic{1, "BMxx"}, 1, 1);
            w.endPage();
            w.beginPage();
            w.stretchPicture(RptGraphic{1, "BMxx"}, {1, 1, 2, 2});
            w.polygon(std::vector<RptPoint>{{0, 0}, {1, 0.5f}});
            w.endPage();
        },
        [](TRptStreamWriter& w) {
            w.setTitle(cp1251("Паспорт"));
            w.setFontSize(9);
        });
}

std::string dump(const QByteArray& bytes, std::string* error = nullptr) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    std::ostringstream out;
    const std::string message = errorOf([&] { dumpReportStream(&buffer, out); });
    if (error)
        *error = message;
    return out.str();
}

// The page state of the sample; bold is on from the second page on.
std::string stateLines(bool bold) {
    std::vector<std::string> state = defaultState("0.125");
    if (bold)
        state[4] = "  55 bold on";
    std::string lines;
    for (const std::string& line : state)
        lines += line + '\n';
    return lines;
}

TEST(RpsDump, ListsTheHeaderAndEveryRecord) {
    const std::string expected = std::string(R"(version 2017
title "Паспорт"
pages 2
first page 1
last page 9999
paper 8.5 x 11 in
page 1 number 1 at 55 previous 0 next 224 paper 8.5 x 11 in
)") + stateLines(false) + R"(  37 variable "Итог" = "12"
  24 text at 1 2 "Привет \"мир\"\x01B\x01"
  55 bold on
  18 rectangle 0.5 0.5 8 10.5
  5 picture bitmap at 207, 4 bytes at 1 1
  82 end of page
page 2 number 2 at 224 previous 55 next 0 paper 8.5 x 11 in
)" + stateLines(true) + R"(  37 variable "Итог" = "12"
  21 stretched picture bitmap reused from 207, 4 bytes into 1 1 2 2
  14 polygon 0 0 1 0.5
  82 end of page
)";
    std::string error;
    EXPECT_EQ(dump(sampleStream(), &error), expected);
    EXPECT_EQ(error, "no error");
    // The tests' replays keep the same lines.
    std::string kept;
    for (const std::string& line : replayAll(sampleStream()).lines())
        kept += line + '\n';
    EXPECT_EQ(kept, expected);
}

TEST(RpsDump, ShowsEveryNumberShortestAndExact) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.5f, "0.5"},
        {0.1f, "0.1"},
        {10.0f / 72.0f, "0.1388889"},
        {1000.00006103515625, "1000.00006"}, // seven digits would show 1000
        {0.30000001192092896, "0.3"},
        {-9, "-9"},
        {12345678, "12345678"},
        {-2147483648.0, "-2147483648"},
        {2147483647, "2147483647"},
        {1e30f, "1e+30"},
        {1e-5f, "1e-05"},
        {std::numeric_limits<float>::quiet_NaN(), "nan"},
        {-std::numeric_limits<float>::infinity(), "-inf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text = rptDumpNumber(c.value);
        EXPECT_EQ(text, c.text);
        if (std::isfinite(c.value)) {
            EXPECT_EQ(float(std::stod(text)), float(c.value));
        }
    }
}

TEST(RpsDump, StopsAtDamageWithTheReadersMessage) {
    QByteArray bytes = sampleStream();
    bytes.truncate(bytes.size() - 3);
    std::string error;
    const std::string listing = dump(bytes, &error);
    EXPECT_EQ(error, "Stream read error");
    EXPECT_NE(listing.find("  82 end of page\npage 2 number 2"), std::string::npos);
    EXPECT_EQ(listing.find("14 polygon"), std::string::npos);
}

TEST(RpsDump, ExitsWithStatusOneAndTheMessageOnADamagedFile) {
    const TempDir dir;
    const struct {
        QByteArray contents;
        int status;
        QByteArray stderrText;
    } cases[] = {
        {sampleStream(), 0, ""},
        {"A garbage", 1, "Unexpected header code [65] found in report file.\n"},
        {sampleStream().left(40), 1, "Stream read error\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        const QString path = dir.write("sample.rps", c.contents);
        QProcess process;
        process.start(QStringLiteral(RPSDUMP_PATH), {path});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), c.status);
        // Windows' text output ends its lines with CR LF.
        EXPECT_EQ(process.readAllStandardError().replace("\r\n", "\n"), c.stderrText);
        if (c.status == 0) {
            EXPECT_TRUE(
                process.readAllStandardOutput().replace("\r\n", "\n").startsWith("version 2017\n"));
        }
    }
}

} // namespace
} // namespace zamt::test
