#include "StreamBytes.h"
#include "StreamTestSupport.h"
#include "report/stream/RptCodes.h"

#include <QBuffer>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace zamt::test {
namespace {

// The header of a writer with the title "T" and otherwise default settings:
// 49 bytes, so the first page block starts at 49.
constexpr std::string_view HeaderT = R"(
    5A            # header code 90
    E107          # version 2017
    0154          # title "T"
    0100          # page count 1, patched at the end
    0100 0F27     # first page 1, last page 9999
    00000841      # paper width 8.5
    00003041      # paper height 11
    00000000 00000000 00000000 00000000  # unprintable margins
    00            # portrait
    0901 00 00    # paper bin 265, collate, duplex
    0100 0100     # copies 1, paper size 1
    0000 0000     # paper width and length in tenths of a millimetre
    00            # output name ""
)";
constexpr qsizetype HeaderTSize = 49;

// The state at the start of a page of a writer with default settings and a
// 9-point font (0.125 inches, exact in a single).
constexpr std::string_view DefaultState9pt = R"(
    33 05 417269616C     # 51 font name "Arial"
    34 00000000          # 52 font colour black
    35 00                # 53 pitch
    36 0000003E 00000000 # 54 height 0.125, second value 0
    37 00 38 00 39 00 3A 00 3B 00 3C 00  # 55 to 60 off
    3D 0000              # 61 rotation
    3E 00                # 62 attribute
    3F 01                # 63 character set 1
    47 00000000          # 71 pen colour black
    48 04                # 72 pen mode copy
    49 00                # 73 pen style solid
    4A 00000000          # 74 pen width 0
    29 FFFFFF00          # 41 brush colour white
    2A 00                # 42 brush style solid
    2B 00                # 43 no brush bitmap
    1C 0000C842          # 28 horizontal scale 100
    1D 0000C842          # 29 vertical scale 100
    1A 00                # 26 transparent text background
)";

void titleT(TRptStreamWriter& w) {
    w.setTitle("T");
    w.setFontSize(9);
}

TEST(StreamWriter, WritesTheStreamWorkedOutByHand) {
    const QByteArray written = writeStream(
        [](TRptStreamWriter& w) {
            w.setReportVariable("V", "ab");
            w.beginPage();
            w.text(1.0, 2.0, "Hi");
            w.setBold(true);
            w.line(0.5, 0.25, 1.5, 0.25);
            w.endPage();
        },
        titleT);
    StreamBytes expected;
    expected.hex(HeaderT);
    expected.hex(R"(
        50 00000000 00000000  # page code, no previous page, no next page
        0100                  # page number 1
        00000841 00003041     # paper 8.5 x 11
    )");
    expected.hex(DefaultState9pt);
    expected.hex(R"(
        25 0156 02 02 6162    # 37 variable "V" = "ab": size 2, length 2
        18 00000040 02 4869 0000803F  # 24 text: y 2, "Hi", x 1
        37 01                 # 55 bold on
        0C 0000003F 0000803E  # 12 move to 0.5 0.25
        0B 0000C03F 0000803E  # 11 line to 1.5 0.25
        52                    # end of page
    )");
    EXPECT_EQ(written.toHex(' '), expected.bytes.toHex(' '));
}

TEST(StreamWriter, OnePageHasNoLinksAndCountOne) {
    const QByteArray bytes = writeStream(
        [](TRptStreamWriter& w) {
            w.beginPage();
            w.endPage();
        },
        titleT);
    ASSERT_GT(bytes.size(), HeaderTSize + 19);
    EXPECT_EQ(int16At(bytes, 5), 1);               // page count
    EXPECT_EQ(uint8_t(bytes[HeaderTSize]), 80);    // page code
    EXPECT_EQ(int32At(bytes, HeaderTSize + 1), 0); // previous
    EXPECT_EQ(int32At(bytes, HeaderTSize + 5), 0); // next
    EXPECT_EQ(int16At(bytes, HeaderTSize + 9), 1); // page number
    EXPECT_EQ(uint8_t(bytes.back()), 82);
}

TEST(StreamWriter, StringsUseOneOrTwoLengthBytes) {
    const struct {
        int length;
        std::vector<uint8_t> lengthBytes;
    } cases[] = {
        {0, {0}},          {1, {1}},        {191, {191}},     {192, {192, 192}},
        {255, {192, 255}}, {256, {193, 0}}, {300, {193, 44}}, {16383, {255, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string title(size_t(c.length), 'x');
        const QByteArray bytes =
            writeStream([](TRptStreamWriter&) {}, [&](TRptStreamWriter& w) { w.setTitle(title); });
        for (size_t i = 0; i < c.lengthBytes.size(); ++i)
            EXPECT_EQ(uint8_t(bytes[3 + qsizetype(i)]), c.lengthBytes[i]);
        const qsizetype textAt = 3 + qsizetype(c.lengthBytes.size());
        EXPECT_EQ(bytes.mid(textAt, c.length).toStdString(), title);
        EXPECT_EQ(replayAll(bytes).lines().at(1), "title \"" + title + "\"");
    }
    const std::string tooLong(16384, 'x');
    EXPECT_EQ(errorOf([&] {
                  writeStream([](TRptStreamWriter&) {},
                              [&](TRptStreamWriter& w) { w.setTitle(tooLong); });
              }),
              "A text of 16384 characters is too long for a page file.");
}

// Follows the next links from the first block, checking that each block's
// previous link points back; returns the page numbers met.
std::vector<int> walkLinks(const QByteArray& bytes, qsizetype first) {
    std::vector<int> numbers;
    qsizetype at = first;
    qsizetype previous = 0;
    while (true) {
        EXPECT_EQ(uint8_t(bytes[at]), 80) << "at " << at;
        EXPECT_EQ(int32At(bytes, at + 1), previous) << "at " << at;
        numbers.push_back(int16At(bytes, at + 9));
        const qsizetype next = int32At(bytes, at + 5);
        if (next == 0 || numbers.size() > 100)
            break;
        EXPECT_GT(next, at);
        EXPECT_EQ(uint8_t(bytes[next - 1]), 82) << "a block ends right before the next";
        previous = at;
        at = next;
    }
    return numbers;
}

TEST(StreamWriter, LinksPagesBothWaysAlsoBeyondTheBuffer) {
    // Small pages are patched in the buffer, pages larger than the buffer on
    // the device after it was flushed.
    for (const size_t textLength : {10u, 9000u}) {
        SCOPED_TRACE(textLength);
        const std::string text(textLength, 'q');
        const QByteArray bytes = writeStream(
            [&](TRptStreamWriter& w) {
                for (int page = 0; page < 5; ++page) {
                    w.beginPage();
                    w.text(1, 1, text);
                    w.text(1, 2, text);
                    w.endPage();
                }
            },
            titleT);
        EXPECT_EQ(int16At(bytes, 5), 5);
        EXPECT_EQ(walkLinks(bytes, HeaderTSize), (std::vector<int>{1, 2, 3, 4, 5}));
    }
}

TEST(StreamWriter, WritesStateOnlyWhenChangedAndRepeatsItOnEveryPage) {
    RptGraphic tile{1, "tile"};
    const QByteArray bytes = writeStream([&](TRptStreamWriter& w) {
        w.beginPage();
        w.setBold(true);
        w.setBold(true);  // same again: nothing
        w.setPenColor(0); // the default: nothing
        w.setFontColor(255);
        w.setFontColor(255);
        w.setBrushBitmap(tile);
        w.setBrushColor(0xFFFFFF); // same colour, but it must drop the bitmap
        w.setBrushColor(0xFFFFFF);
        w.setScale(100, 50);
        w.setReportVariable("Who", "me");
        w.setReportVariable("WHO", "me"); // same name, same value: nothing
        w.text(1, 1, "a");
        w.endPage();
        w.beginPage();
        w.setBold(true); // already so at the page start
        w.text(1, 1, "b");
        w.endPage();
    });
    const RptDumpRender replay = replayAll(bytes);
    const std::string tileAt = std::to_string(bytes.indexOf(QByteArray("\x04\0\0\0tile", 8)));
    std::vector<std::string> page1 = defaultState();
    for (const std::string& line : std::vector<std::string>{
             "  55 bold on", "  52 font colour 0x000000FF",
             "  43 brush bitmap bitmap at " + tileAt + ", 4 bytes", "  41 brush colour 0x00FFFFFF",
             "  29 vertical scale 50", "  37 variable \"Who\" = \"me\"", "  24 text at 1 1 \"a\""})
        page1.push_back(line);
    EXPECT_EQ(replay.recordsOfPage(1), page1);

    std::vector<std::string> page2 = defaultState();
    page2[1] = "  52 font colour 0x000000FF";
    page2[4] = "  55 bold on";
    page2[21] = "  29 vertical scale 50";
    page2.push_back("  37 variable \"WHO\" = \"me\"");
    page2.push_back("  24 text at 1 1 \"b\"");
    EXPECT_EQ(replay.recordsOfPage(2), page2);
}

TEST(StreamWriter, RepeatsVariablesAsReferencesToTheirFirstValue) {
    const QByteArray bytes = writeStream(
        [](TRptStreamWriter& w) {
            w.setReportVariable("Name", "Long value");
            w.setReportVariable("Short", "abcd");
            for (int page = 0; page < 3; ++page) {
                w.beginPage();
                w.endPage();
            }
        },
        titleT);
    // The first page writes the values out, later pages refer to the long one.
    const QByteArray literal = QByteArray("\x04Name\x0A\x0ALong value", 17);
    const qsizetype first = bytes.indexOf(literal);
    ASSERT_GT(first, 0);
    const qsizetype valueAt = first + 5;
    QByteArray reference("\x04Name\x04\xFE", 7);
    const int32_t v = int32_t(valueAt);
    reference.append(reinterpret_cast<const char*>(&v), 4);
    EXPECT_EQ(bytes.count(reference), 2);
    EXPECT_EQ(bytes.count(literal), 1);
    EXPECT_EQ(bytes.count(QByteArray("\x05Short\x04\x04"
                                     "abcd",
                                     12)),
              3);

    const RptDumpRender replay = replayAll(bytes);
    for (int page = 1; page <= 3; ++page) {
        const auto records = replay.recordsOfPage(page);
        ASSERT_GE(records.size(), 2u);
        EXPECT_EQ(records[records.size() - 2], "  37 variable \"Name\" = \"Long value\"");
        EXPECT_EQ(records.back(), "  37 variable \"Short\" = \"abcd\"");
    }
}

TEST(StreamWriter, WritesAPictureOnceAndThenRefersToIt) {
    const RptGraphic logo{1, "BM-picture-bytes"};
    const QByteArray bytes = writeStream([&](TRptStreamWriter& w) {
        w.beginPage();
        w.drawPicture(logo, 1, 1);
        w.endPage();
        w.beginPage();
        w.stretchPicture(logo, {0, 0, 2, 2});
        w.endPage();
    });
    const QByteArray data = QByteArray("\x10\0\0\0", 4) + "BM-picture-bytes";
    const qsizetype sizeAt = bytes.indexOf(data);
    ASSERT_GT(sizeAt, 0);
    EXPECT_EQ(uint8_t(bytes[sizeAt - 1]), 1); // kind: bitmap
    EXPECT_EQ(uint8_t(bytes[sizeAt - 2]), 5); // record 5
    QByteArray reuse("\x15\x81", 2);          // record 21, bitmap kind + 128
    const int32_t at = int32_t(sizeAt);
    reuse.append(reinterpret_cast<const char*>(&at), 4);
    EXPECT_EQ(bytes.count(reuse), 1);

    const RptDumpRender replay = replayAll(bytes);
    EXPECT_EQ(replay.recordsOfPage(1).back(),
              "  5 picture bitmap at " + std::to_string(sizeAt) + ", 16 bytes at 1 1");
    EXPECT_EQ(replay.recordsOfPage(2).back(), "  21 stretched picture bitmap reused from " +
                                                  std::to_string(sizeAt) +
                                                  ", 16 bytes into 0 0 2 2");
}

TEST(StreamWriter, OutputsOnlyThePagesInsideTheRange) {
    const struct {
        int first;
        int last;
        const char* selection;
        std::vector<int> pages;
    } cases[] = {
        {1, 9999, "", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {3, 5, "", {3, 4, 5}},
        {8, 20, "", {8, 9, 10}},
        {6, 5, "", {}},
        {1, 9999, "E", {2, 4, 6, 8, 10}},
        {1, 9999, "even", {2, 4, 6, 8, 10}},
        {1, 9999, "O", {1, 3, 5, 7, 9}},
        {1, 9999, "Odd", {1, 3, 5, 7, 9}},
        {3, 4, "A", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, // the selection decides, not the range
        {1, 9999, "all", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {1, 9999, "7", {7}},
        {1, 9999, "2-4", {2, 3, 4}},
        {1, 9999, "8-", {8, 9, 10}},
        {1, 9999, "-3", {1, 2, 3}},
        {1, 9999, "R", {}},
        {1, 9999, "r,9", {9}},
        {1, 9999, "1, 5-6 ,-2,10", {1, 2, 5, 6, 10}},
        {1, 9999, "x,4-3,12", {}},
        {1, 9999, " ", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.selection) + " " + std::to_string(c.first) + "-" +
                     std::to_string(c.last));
        const RptDumpRender replay = replayAll(writeStream(
            [](TRptStreamWriter& w) {
                for (int page = 1; page <= 10; ++page) {
                    w.beginPage();
                    w.text(1, 1, std::to_string(page));
                    w.endPage();
                }
            },
            [&](TRptStreamWriter& w) {
                w.setFirstPage(c.first);
                w.setLastPage(c.last);
                w.setSelection(c.selection);
            }));
        std::vector<int> numbers;
        for (const std::string& line : replay.lines()) {
            if (line.starts_with("page "))
                numbers.push_back(std::stoi(line.substr(line.find("number ") + 7)));
        }
        EXPECT_EQ(numbers, c.pages);
        EXPECT_EQ(replay.lines().at(2), "pages " + std::to_string(c.pages.size()));
    }
}

TEST(StreamWriter, AnInvalidPageLeavesNoTrace) {
    // Page 2 is cancelled after it wrote a picture and a variable value; the
    // stream must equal one where page 2 was never output.
    for (const size_t size : {8u, 40000u}) {
        SCOPED_TRACE(size);
        const RptGraphic picture{1, QByteArray(qsizetype(size), 'p')};
        auto pages = [&](bool cancel) {
            return [&, cancel](TRptStreamWriter& w) {
                for (int page = 1; page <= 3; ++page) {
                    w.beginPage();
                    if (page >= 2) {
                        w.setReportVariable("Late", "a long value");
                        w.drawPicture(picture, 1, 1);
                    }
                    if (page == 2 && cancel)
                        w.markPageInvalid();
                    w.endPage();
                }
            };
        };
        const QByteArray cancelled = writeStream(pages(true));
        const QByteArray skipped =
            writeStream(pages(false), [](TRptStreamWriter& w) { w.setSelection("1,3"); });
        EXPECT_EQ(cancelled.size(), skipped.size());
        EXPECT_TRUE(cancelled == skipped);
        // The page after the cancelled one writes the picture out, not a reuse.
        const int32_t length = int32_t(size);
        const qsizetype dataAt =
            cancelled.indexOf(QByteArray(reinterpret_cast<const char*>(&length), 4) + picture.data);
        const RptDumpRender replay = replayAll(cancelled);
        EXPECT_EQ(replay.lines().at(2), "pages 2");
        EXPECT_EQ(replay.recordsOfPage(2).back(), "  5 picture bitmap at " +
                                                      std::to_string(dataAt) + ", " +
                                                      std::to_string(size) + " bytes at 1 1");
    }
}

// A memory device that logs the size of every write and can fail from a
// given write on.
class LoggingBuffer : public QBuffer {
public:
    std::vector<qint64> writes;
    int failFrom = -1;

protected:
    qint64 writeData(const char* data, qint64 size) override {
        if (failFrom >= 0 && int(writes.size()) >= failFrom)
            return -1;
        writes.push_back(size);
        return QBuffer::writeData(data, size);
    }
};

void bigJob(TRptStreamWriter& w) {
    w.beginJob();
    for (int page = 0; page < 3; ++page) {
        w.beginPage();
        for (int line = 0; line < 300; ++line)
            w.text(1, line * 0.1, "a line of text of moderate length, as reports have");
        w.drawPicture(RptGraphic{1, QByteArray(20000, 'b')}, 1, 1);
        w.endPage();
    }
    w.endJob();
}

TEST(StreamWriter, CollectsBytesIn16KiBAndWritesLargeItemsDirectly) {
    LoggingBuffer device;
    device.open(QIODevice::ReadWrite);
    TRptStreamWriter writer(&device);
    bigJob(writer);
    int direct = 0;
    int buffered = 0;
    for (const qint64 size : device.writes) {
        if (size == 20000)
            ++direct;
        else if (size > 16384)
            ADD_FAILURE() << "write of " << size << " bytes";
        else if (size > 16000)
            ++buffered;
    }
    EXPECT_EQ(direct, 1) << "the picture is written once, then referred to";
    EXPECT_GE(buffered, 3);
    EXPECT_NO_THROW(replayAll(device.data()));
}

TEST(StreamWriter, PatchesPageLinksInTheBufferWhilePagesTakeLessThanHalfOfIt) {
    // A 4-byte write is a link patched on the device, the one 2-byte write
    // the page count at the end.
    const struct {
        size_t textLength;
        int pages;
        int linkWrites;
    } cases[] = {{1400, 30, 0}, {9000, 5, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.textLength);
        LoggingBuffer device;
        device.open(QIODevice::ReadWrite);
        TRptStreamWriter writer(&device);
        titleT(writer);
        const std::string text(c.textLength, 'q');
        writer.beginJob();
        for (int page = 0; page < c.pages; ++page) {
            writer.beginPage();
            writer.text(1, 1, text);
            writer.text(1, 2, text);
            writer.endPage();
        }
        writer.endJob();
        EXPECT_EQ(std::count(device.writes.begin(), device.writes.end(), 4), c.linkWrites);
        EXPECT_EQ(std::count(device.writes.begin(), device.writes.end(), 2), 1);
        // Holding a link back still sends at least half a buffer at a time
        // (but for the last flush and the page count).
        for (size_t i = 0; c.linkWrites == 0 && i + 2 < device.writes.size(); ++i)
            EXPECT_GE(device.writes[i], RptByteSink::BufferSize / 2) << "write " << i;
        std::vector<int> numbers(size_t(c.pages));
        std::iota(numbers.begin(), numbers.end(), 1);
        EXPECT_EQ(walkLinks(device.data(), HeaderTSize), numbers);
    }
}

TEST(StreamWriter, RaisesStreamWriteErrorWhenAnyWriteFails) {
    LoggingBuffer counting;
    counting.open(QIODevice::ReadWrite);
    TRptStreamWriter countingWriter(&counting);
    bigJob(countingWriter);
    const int writes = int(counting.writes.size());
    ASSERT_GT(writes, 5);
    for (int failFrom = 0; failFrom < writes; ++failFrom) {
        SCOPED_TRACE(failFrom);
        LoggingBuffer device;
        device.open(QIODevice::ReadWrite);
        device.failFrom = failFrom;
        TRptStreamWriter writer(&device);
        EXPECT_EQ(errorOf([&] { bigJob(writer); }), "Stream write error");
    }
}

TEST(StreamWriter, RefusesVariableValuesTooLongForTheStream) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TRptStreamWriter writer(&buffer);
    EXPECT_EQ(errorOf([&] { writer.setReportVariable("v", std::string(253, 'x')); }), "no error");
    EXPECT_EQ(errorOf([&] { writer.setReportVariable("v", std::string(254, 'x')); }),
              "A report variable value holds at most 253 characters.");
}

} // namespace
} // namespace zamt::test
