#include "RptDump.h"
#include "../../report/stream/StreamTestSupport.h"
#include "platform/CodePage.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QProcess>
#include <gtest/gtest.h>
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
    std::string lines = R"(  51 font name "Arial"
  52 font colour 0x00000000
  53 font pitch 0
  54 font height 0.125 0
  55 bold off
  56 underline off
  57 italic off
  58 strike-out off
  59 superscript off
  60 subscript off
  61 font rotation 0
  62 font attribute 0
  63 font charset 1
  71 pen colour 0x00000000
  72 pen mode 4
  73 pen style 0
  74 pen width 0
  41 brush colour 0x00FFFFFF
  42 brush style 0
  43 brush bitmap none
  28 horizontal scale 100
  29 vertical scale 100
  26 background mode 0
)";
    if (bold)
        lines.replace(lines.find("bold off"), 8, "bold on");
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
        EXPECT_EQ(process.readAllStandardError(), c.stderrText);
        if (c.status == 0) {
            EXPECT_TRUE(process.readAllStandardOutput().startsWith("version 2017\n"));
        }
    }
}

} // namespace
} // namespace zamt::test
