#include "StreamBytes.h"
#include "StreamTestSupport.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace zamt::test {
namespace {

// A hand-made stream of the given version: a header with distinctive values
// and the pages appended with `page`.
StreamBytes headerOf(int version, int pageCount) {
    StreamBytes s;
    if (version == 1101)
        s.b(81);
    else if (version == 2009)
        s.b(89);
    else
        s.b(90).i16(version);
    if (version > 2009)
        s.s("Title");
    s.i16(pageCount).i16(2).i16(7);
    s.f(8.25f).f(11.5f).f(0.25f).f(0.5f).f(0.125f).f(0.375f).b(1);
    if (version >= 2000)
        s.i16(7).b(1).b(2);
    s.i16(3).i16(9).i16(2100).i16(2970).s("out.prn");
    return s;
}

// Appends a page block holding `records`; returns where it starts.
qsizetype addPage(StreamBytes& s, int version, int number, qsizetype previous,
                  const QByteArray& records) {
    const qsizetype at = s.pos();
    s.b(80).i32(previous).i32(0).i16(number);
    if (version >= 2000)
        s.f(6.0f).f(4.0f);
    else
        s.b(0);
    s.bytes.append(records);
    s.b(82);
    return at;
}

// Where the size field of a picture's data lies in the stream.
std::string dataAt(const QByteArray& bytes, const QByteArray& data) {
    const int32_t size = int32_t(data.size());
    return std::to_string(
        bytes.indexOf(QByteArray(reinterpret_cast<const char*>(&size), 4) + data));
}

// One page of the given version holding `records`.
QByteArray onePage(int version, const QByteArray& records) {
    StreamBytes s = headerOf(version, 1);
    addPage(s, version, 1, 0, records);
    return s.bytes;
}

TEST(StreamReader, ReadsBackEveryRecordTheWriterWrites) {
    const RptGraphic bmp{1, "bmp"}, wmf{2, "wmf"}, ico{3, "ico"};
    const std::vector<RptPoint> points = {{0, 0}, {1, 0.5f}, {2, 0}};
    const QByteArray bytes = writeStream([&](TRptStreamWriter& w) {
        w.beginPage();
        w.text(1, 2, "left");
        w.text(3, 2, "centre", RptAlign::Center);
        w.text(5, 2, "right", RptAlign::Right);
        w.textClipped({0.5f, 1, 2, 3}, 0.75, 2.5, "clipped");
        w.textWithWidth(1, 4, "wide", 2.5);
        w.line(1, 1, 2, 2);
        w.rectangle({1, 1, 2, 2});
        w.fillRect({1.5f, 1.5f, 2.5f, 2.5f});
        w.ellipse({0, 0, 1, 0.5f});
        w.roundRect({0, 0, 1, 1}, 0.25, 0.125);
        w.arc({{0, 0, 2, 2}, {2, 1}, {1, 0}});
        w.chord({{0, 0, 4, 2}, {4, 1}, {0, 1}});
        w.pie({{1, 1, 3, 3}, {3, 2}, {2, 1}});
        w.polygon(points);
        w.polyline(points);
        w.drawPicture(bmp, 1, 1);
        w.stretchPicture(wmf, {1, 2, 3, 4});
        w.stretchBitmap(bmp, {0, 0, 1, 1});
        w.stretchBitmapArea(ico, 1, 2, 3, 4);
        w.embedData("payload", "note", {1, 2, 3, 4});
        w.setFrameMode(3);
        w.setLineSpacing(0.25, 0.5, 1);
        w.setFont(RptFont{"Courier New", 0x0000FF, 2, 0.5f, 0, true, true, true, true, true, true,
                          90, 7, 204});
        w.setPen(RptPen{0x00FF00, 14, 6, 0.03125f});
        w.setBrush(RptBrush{0x123456, 7, ico});
        w.setScale(50, 200);
        w.setTextBackgroundMode(1);
        w.setReportVariable("Total", "42");
        w.endPage();
    });
    const std::string bmpAt = dataAt(bytes, bmp.data), wmfAt = dataAt(bytes, wmf.data),
                      icoAt = dataAt(bytes, ico.data);
    std::vector<std::string> expected = defaultState();
    for (const std::string& line : std::vector<std::string>{
             "  24 text at 1 2 \"left\"",
             "  23 text centred on 3 2 \"centre\"",
             "  25 text ending at 5 2 \"right\"",
             "  22 text clipped to 0.5 1 2 3 at 0.75 2.5 \"clipped\"",
             "  33 text at 1 4 width 2.5 \"wide\"",
             "  12 move to 1 1",
             "  11 line to 2 2",
             "  18 rectangle 1 1 2 2",
             "  8 fill rectangle 1.5 1.5 2.5 2.5",
             "  7 ellipse 0 0 1 0.5",
             "  20 rounded rectangle 0 0 1 1 corner 0.25 0.125",
             "  1 arc 0 0 2 2 from 2 1 to 1 0",
             "  3 chord 0 0 4 2 from 4 1 to 0 1",
             "  13 pie 1 1 3 3 from 3 2 to 2 1",
             "  14 polygon 0 0 1 0.5 2 0",
             "  15 polyline 0 0 1 0.5 2 0",
             "  5 picture bitmap at " + bmpAt + ", 3 bytes at 1 1",
             "  21 stretched picture metafile at " + wmfAt + ", 3 bytes into 1 2 3 4",
             "  17 stretched bitmap bitmap reused from " + bmpAt + ", 3 bytes into 0 0 1 1",
             "  16 stretched bitmap icon at " + icoAt + ", 3 bytes into 1 2 size 3 4",
             "  36 skipped 1 2 3 4 \"note\" 7 bytes",
             "  35 frame mode 3",
             "  83 line spacing 0.25 0.5 1",
             "  51 font name \"Courier New\"",
             "  52 font colour 0x000000FF",
             "  53 font pitch 2",
             "  54 font height 0.5 0",
             "  55 bold on",
             "  56 underline on",
             "  57 italic on",
             "  58 strike-out on",
             "  59 superscript on",
             "  60 subscript on",
             "  61 font rotation 90",
             "  62 font attribute 7",
             "  63 font charset 204",
             "  71 pen colour 0x0000FF00",
             "  72 pen mode 14",
             "  73 pen style 6",
             "  74 pen width 0.03125",
             "  41 brush colour 0x00123456",
             "  42 brush style 7",
             "  43 brush bitmap icon reused from " + icoAt + ", 3 bytes",
             "  28 horizontal scale 50",
             "  29 vertical scale 200",
             "  26 background mode 1",
             "  37 variable \"Total\" = \"42\"",
         })
        expected.push_back(line);
    EXPECT_EQ(replayAll(bytes).recordsOfPage(1), expected);
}

TEST(StreamReader, ReadsTheRecordsOurWriterNeverWrites) {
    StreamBytes r;
    r.b(32).f(1).s("old").f(2).f(3);                       // text with width, older code
    r.b(40).i32(0x00FF00).b(2).b(0);                       // complete brush, no bitmap
    r.b(40).i32(0x0000FF).b(0).b(1).b(1).i32(2).raw("bm"); // complete brush with bitmap
    r.b(70).i32(0x0000FF).b(4).b(1).f(0.5f);               // complete pen
    r.b(19).f(1).f(2).f(3).f(4);                           // the other rectangle code
    r.b(2).f(1).f(2).f(3).f(4).f(5).f(6).f(7).f(8).i32(-9);
    r.b(4).f(1).f(2).f(3).f(4).i32(5).f(6).f(7).f(8).f(9);
    r.b(6).f(1).f(2).f(3).f(4);
    r.b(9).f(1).f(2).i32(3).i32(4);
    r.b(10).f(1).f(2).f(3).f(4);
    r.b(27).i32(27);
    r.b(30).s("thirty");
    r.b(31).i32(-31);
    r.b(34).b(34);
    r.b(84).b(85).b(86);
    r.b(87).b(87);
    r.b(88).s("eighty-eight");
    const QByteArray bytes = onePage(2017, r.bytes);
    EXPECT_EQ(replayAll(bytes).recordsOfPage(1),
              (std::vector<std::string>{
                  "  32 text at 2 1 width 3 \"old\"",
                  "  40 brush colour 0x0000FF00 style 2 bitmap none",
                  "  40 brush colour 0x000000FF style 0 bitmap bitmap at " + dataAt(bytes, "bm") +
                      ", 2 bytes",
                  "  70 pen colour 0x000000FF mode 4 style 1 width 0.5",
                  "  19 rectangle 1 2 3 4",
                  "  2 skipped 1 2 3 4 5 6 7 8 -9",
                  "  4 skipped 1 2 3 4 5 6 7 8 9",
                  "  6 skipped 1 2 3 4",
                  "  9 skipped 1 2 3 4",
                  "  10 skipped 1 2 3 4",
                  "  27 skipped 27",
                  "  30 skipped \"thirty\"",
                  "  31 skipped -31",
                  "  34 skipped 34",
                  "  84 skipped",
                  "  85 skipped",
                  "  86 skipped",
                  "  87 skipped 87",
                  "  88 skipped \"eighty-eight\"",
              }));
}

TEST(StreamReader, ReadsEachHeaderVersionWithItsFields) {
    const struct {
        int version;
        int code;
        const char* title;
        int bin;
        int collate;
        int duplex;
        // A complete font, a font height and a 200-character string as the
        // version lays them out, and what the reader makes of them.
        std::string font;
        std::string height;
        bool twoByteLengths;
    } cases[] = {
        {1101, 81, "", 265, 0, 0,
         "charset 1 height 0.25 bold on italic off strike-out on rotation 0", "0.5 0", false},
        {2009, 89, "", 7, 1, 2,
         "charset 1 height 0.25 bold on italic off strike-out on rotation 45", "0.5 0.75", false},
        {2016, 90, "Title", 7, 1, 2,
         "charset 1 height 0.25 bold on italic off strike-out on rotation 45", "0.5 0.75", true},
        {2017, 90, "Title", 7, 1, 2,
         "charset 1 height 0.25 bold on italic off strike-out on rotation 45", "0.5 0.75", true},
        {2018, 90, "Title", 7, 1, 2,
         "charset 204 height 0.25 bold on italic off strike-out on rotation 45", "0.5 0.75", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        StreamBytes r;
        r.b(50).s("Arial").i32(255).b(1);
        if (c.version >= 2018)
            r.b(204);
        r.f(0.25f).b(1).b(0).b(1).b(9);
        if (c.version >= 2000)
            r.i16(45);
        r.b(54).f(0.5f);
        if (c.version >= 2000)
            r.f(0.75f);
        const std::string text(200, 't');
        r.b(24).f(1);
        if (c.twoByteLengths)
            r.b(192).b(200).raw(text);
        else
            r.s(text);
        r.f(2);
        const QByteArray bytes = onePage(c.version, r.bytes);

        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        TRptStreamReader reader(&buffer);
        const RptStreamHeader& h = reader.readHeader();
        EXPECT_EQ(h.code, c.code);
        EXPECT_EQ(h.version, c.version);
        EXPECT_EQ(h.title, c.title);
        EXPECT_EQ(h.pageCount, 1);
        EXPECT_EQ(h.firstPage, 2);
        EXPECT_EQ(h.lastPage, 7);
        EXPECT_EQ(h.paperWidth, 8.25f);
        EXPECT_EQ(h.paperHeight, 11.5f);
        EXPECT_EQ(h.marginLeft, 0.25f);
        EXPECT_EQ(h.marginRight, 0.5f);
        EXPECT_EQ(h.marginTop, 0.125f);
        EXPECT_EQ(h.marginBottom, 0.375f);
        EXPECT_EQ(h.orientation, 1);
        EXPECT_EQ(h.paperBin, c.bin);
        EXPECT_EQ(h.collate, c.collate);
        EXPECT_EQ(h.duplex, c.duplex);
        EXPECT_EQ(h.copies, 3);
        EXPECT_EQ(h.paperSize, 9);
        EXPECT_EQ(h.paperSizeWidth, 2100);
        EXPECT_EQ(h.paperSizeLength, 2970);
        EXPECT_EQ(h.outputName, "out.prn");

        RptDumpRender render;
        reader.replayPage(1, render);
        // Old page blocks hold one byte instead of the paper size: the header's size counts.
        ASSERT_GT(render.lines().size(), 6u);
        EXPECT_EQ(render.lines()[6], "page 1 number 1 at " +
                                         std::to_string(headerOf(c.version, 1).pos()) +
                                         " previous 0 next 0 paper " +
                                         (c.version >= 2000 ? "6 x 4 in" : "8.25 x 11.5 in"));
        EXPECT_EQ(render.recordsOfPage(1),
                  (std::vector<std::string>{
                      "  50 font \"Arial\" colour 0x000000FF pitch 1 " + c.font,
                      "  54 font height " + c.height, "  24 text at 2 1 \"" + text + "\""}));
    }
}

TEST(StreamReader, ReadsALengthByteOf192AsALengthBeforeVersion2016) {
    // In a 2009 stream 192 is a plain length; in a 2017 stream it starts a
    // two-byte length, here 97 ('a'), after which an 'a' stands where the
    // next record code should be.
    StreamBytes r;
    r.b(30).b(192).raw(std::string(192, 'a'));
    EXPECT_EQ(replayAll(onePage(2009, r.bytes)).recordsOfPage(1),
              (std::vector<std::string>{"  30 skipped \"" + std::string(192, 'a') + "\""}));
    EXPECT_EQ(errorOf([&] { replayAll(onePage(2017, r.bytes)); }),
              "Unexpected code [97] found in report file.");
}

// ---------------------------------------------------------------- page chain

QByteArray pagesSayingTheirNumber(int count) {
    return writeStream([count](TRptStreamWriter& w) {
        for (int page = 1; page <= count; ++page) {
            w.beginPage();
            w.text(1, 1, "page " + std::to_string(page));
            w.endPage();
        }
    });
}

TEST(StreamReader, ServesPageRequestsInAnyOrder) {
    QByteArray bytes = pagesSayingTheirNumber(300);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    for (const int page : {5, 3, 150, 1, 300, 64, 65, 66, 129, 128, 2, 299, 200, 1, 300}) {
        SCOPED_TRACE(page);
        RptDumpRender render;
        reader.replayPage(page, render);
        EXPECT_EQ(reader.currentPage(), page);
        EXPECT_EQ(render.recordsOfPage(page).back(),
                  "  24 text at 1 1 \"page " + std::to_string(page) + "\"");
    }
    EXPECT_EQ(errorOf([&] {
                  RptDumpRender render;
                  reader.replayPage(301, render);
              }),
              "There is no page 301 in the report file.");
}

TEST(StreamReader, WalksBackThroughThePreviousLinksFromTheCurrentPage) {
    QByteArray bytes = pagesSayingTheirNumber(5);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    RptDumpRender render;
    reader.replayPage(5, render);

    // Break the forward links of pages 1 and 2: page 3 can now be reached
    // from page 5 only backwards.
    qsizetype first = bytes.indexOf(char(80));
    ASSERT_EQ(int32At(bytes, first + 1), 0);
    const qsizetype second = int32At(bytes, first + 5);
    std::memset(bytes.data() + first + 5, 0, 4);
    std::memset(bytes.data() + second + 5, 0, 4);

    RptDumpRender page3;
    reader.replayPage(3, page3);
    EXPECT_EQ(page3.recordsOfPage(3).back(), "  24 text at 1 1 \"page 3\"");

    QBuffer again(&bytes);
    again.open(QIODevice::ReadOnly);
    TRptStreamReader fresh(&again);
    EXPECT_EQ(errorOf([&] { fresh.replayPage(3, page3); }),
              "Report file is damaged: the pages end before page 2.");
}

// ---------------------------------------------------------------- damage

struct DamageCase {
    const char* name;
    std::function<QByteArray()> bytes;
    std::string message;
};

QByteArray threePages() {
    return writeStream([](TRptStreamWriter& w) {
        for (int page = 0; page < 3; ++page) {
            w.beginPage();
            w.text(1, 1, "x");
            w.endPage();
        }
    });
}

// The positions of the three page blocks of threePages().
std::vector<qsizetype> blocksOf(const QByteArray& bytes) {
    std::vector<qsizetype> at{63};
    at.push_back(int32At(bytes, at[0] + 5));
    at.push_back(int32At(bytes, at[1] + 5));
    return at;
}

QByteArray withLink(qsizetype page, int field, int64_t value) {
    QByteArray bytes = threePages();
    const qsizetype at = blocksOf(bytes)[size_t(page)] + (field == 0 ? 1 : 5);
    const int32_t v = int32_t(value);
    std::memcpy(bytes.data() + at, &v, 4);
    return bytes;
}

// One 2017 page: first a literal variable value, then `records`.
QByteArray withValues(const std::function<void(StreamBytes&, qsizetype)>& records) {
    StreamBytes s = headerOf(2017, 1);
    s.b(80).i32(0).i32(0).i16(1).f(6).f(4);
    s.b(37).s("A");
    const qsizetype literal = s.pos();
    s.b(3).b(3).raw("abc");
    records(s, literal);
    s.b(82);
    return s.bytes;
}

TEST(StreamReader, ReportsDamagedStreamsWithoutCrashing) {
    const DamageCase cases[] = {
        {"empty", [] { return QByteArray(); }, "Stream read error"},
        {"unknown header", [] { return QByteArray("A\xE1\x07"); },
         "Unexpected header code [65] found in report file."},
        {"header code 91", [] { return QByteArray("[\xE1\x07"); },
         "Unexpected header code [91] found in report file."},
        {"no page code",
         [] {
             StreamBytes s = headerOf(2017, 1);
             s.b(81).i32(0).i32(0).i16(1).f(1).f(1).b(82);
             return s.bytes;
         },
         "Unexpected code found in report file."},
        {"unknown record 99", [] { return onePage(2017, QByteArray("\x63")); },
         "Unexpected code [99] found in report file."},
        {"unknown record 0", [] { return onePage(2017, QByteArray(1, '\0')); },
         "Unexpected code [0] found in report file."},
        {"unknown record 80", [] { return onePage(2017, QByteArray("P")); },
         "Unexpected code [80] found in report file."},
        {"unknown record 255", [] { return onePage(2017, QByteArray("\xFF")); },
         "Unexpected code [255] found in report file."},
        {"negative page count",
         [] {
             StreamBytes s = headerOf(2017, -1);
             return s.bytes;
         },
         "Report file is damaged: the page count is negative."},
        {"string past the end",
         [] {
             return onePage(2017, QByteArray("\x1E\x32"
                                             "abc"));
         },
         "Stream read error"},
        {"two-byte length past the end", [] { return onePage(2017, QByteArray("\x1E\xFF\xFF")); },
         "Stream read error"},
        {"negative polygon count", [] { return onePage(2017, StreamBytes().b(14).i16(-1).bytes); },
         "Report file is damaged: a polygon has a negative point count."},
        {"polygon longer than the data",
         [] { return onePage(2017, StreamBytes().b(15).i16(32767).f(1).f(1).bytes); },
         "Stream read error"},
        {"huge picture size",
         [] { return onePage(2017, StreamBytes().b(5).b(1).i32(0x7FFFFFFF).bytes); },
         "Stream read error"},
        {"negative picture size",
         [] { return onePage(2017, StreamBytes().b(5).b(1).i32(-4).raw("abcd").bytes); },
         "Stream read error"},
        {"huge embedded data",
         [] { return onePage(2017, StreamBytes().b(36).i32(0x7FFFFFF0).bytes); },
         "Stream read error"},
        {"picture reference forward",
         [] {
             StreamBytes s = headerOf(2017, 1);
             addPage(s, 2017, 1, 0, {});
             s.bytes.chop(1); // the end code
             const qsizetype kind = s.pos() + 1;
             s.b(5).b(0x81).i32(kind + 9).f(0).f(0).i32(1).raw("z").b(82);
             return s.bytes;
         },
         "Report file is damaged: a picture refers to data at 89, not before 80."},
        {"picture reference outside",
         [] { return onePage(2017, StreamBytes().b(5).b(0x81).i32(-8).f(0).f(0).bytes); },
         "Report file is damaged: a picture refers to data at -8, not before 80."},
        {"picture reference reaching past itself",
         [] {
             // The size at position 10 claims more than lies before the reference.
             return onePage(2017, StreamBytes().b(5).b(0x81).i32(10).f(0).f(0).bytes);
         },
         "Report file is damaged: a picture refers to data at 10, not before 80."},
        {"value reference to itself",
         [] {
             return withValues([](StreamBytes& s, qsizetype) {
                 s.b(37).s("B");
                 s.b(4).b(254).i32(s.pos() - 2);
             });
         },
         "Report file is damaged: a variable value refers to 90, not before 90."},
        {"value reference forward",
         [] {
             return withValues(
                 [](StreamBytes& s, qsizetype) { s.b(37).s("B").b(4).b(255).i32(5000); });
         },
         "Report file is damaged: a variable value refers to 5000, not before 90."},
        {"value length beyond its data",
         [] {
             return withValues(
                 [](StreamBytes& s, qsizetype) { s.b(37).s("B").b(2).b(3).raw("ab"); });
         },
         "Report file is damaged: a variable value at 90 is longer than its data."},
        {"value reference without position",
         [] {
             return withValues(
                 [](StreamBytes& s, qsizetype) { s.b(37).s("B").b(2).b(254).raw("ab"); });
         },
         "Report file is damaged: a variable value at 90 has no reference."},
        {"value references nested too deeply",
         [] {
             return withValues([](StreamBytes& s, qsizetype literal) {
                 qsizetype previous = literal;
                 for (int i = 0; i < 17; ++i) {
                     s.b(37).s("B");
                     const qsizetype here = s.pos();
                     s.b(4).b(254).i32(previous);
                     previous = here;
                 }
             });
         },
         "Report file is damaged: variable values refer to each other too deeply."},
        {"page count beyond the pages",
         [] {
             QByteArray bytes = threePages();
             bytes[19] = 4; // after the title "Untitled Report"
             return bytes;
         },
         "Report file is damaged: the pages end before page 4."},
        {"next link to itself", [] { return withLink(0, 1, 63); },
         "Report file is damaged: the link after page 1 leads nowhere."},
        {"next link back to the first page", [] { return withLink(1, 1, 63); },
         "Report file is damaged: the link after page 2 leads nowhere."},
        {"next link past the end", [] { return withLink(0, 1, 1 << 30); },
         "Report file is damaged: the link after page 1 leads nowhere."},
        {"next link into a record", [] { return withLink(0, 1, 200); },
         "Unexpected code found in report file."},
        {"previous link disagrees", [] { return withLink(1, 0, 64); },
         "Report file is damaged: the links of page 2 disagree."},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = c.bytes();
        EXPECT_EQ(errorOf([&] { replayAll(bytes); }), c.message);
    }
}

TEST(StreamReader, FollowsValueReferencesUpToSixteenDeep) {
    const QByteArray bytes = withValues([](StreamBytes& s, qsizetype literal) {
        qsizetype previous = literal;
        for (int i = 0; i < 16; ++i) {
            s.b(37).s("B");
            const qsizetype here = s.pos();
            // Stored positions may be negative; their size counts.
            s.b(5).b(254).i32(i % 2 ? -previous : previous).b(0);
            previous = here;
        }
    });
    const auto records = replayAll(bytes).recordsOfPage(1);
    ASSERT_EQ(records.size(), 17u);
    EXPECT_EQ(records.front(), "  37 variable \"A\" = \"abc\"");
    EXPECT_EQ(records.back(), "  37 variable \"B\" = \"abc\"");
}

TEST(StreamReader, EveryTruncationEndsInAnError) {
    const QByteArray full = writeStream([](TRptStreamWriter& w) {
        w.setReportVariable("Name", "a value to repeat");
        for (int page = 0; page < 2; ++page) {
            w.beginPage();
            w.text(1, 1, "text");
            w.drawPicture(RptGraphic{1, "picture"}, 1, 1);
            w.polygon(std::vector<RptPoint>{{0, 0}, {1, 1}});
            w.endPage();
        }
    });
    ASSERT_NO_THROW(replayAll(full));
    for (qsizetype length = 0; length < full.size(); ++length) {
        SCOPED_TRACE(length);
        const std::string message = errorOf([&] { replayAll(full.left(length)); });
        EXPECT_TRUE(message == "Stream read error" ||
                    message.rfind("Report file is damaged: ", 0) == 0)
            << message;
    }
}

// Renders nothing, but keeps every picture it is given, as a renderer that
// caches them would: the data must be shared, not copied per reuse.
class PictureKeepingRender : public TRptRender {
public:
    void drawPicture(const RptGraphic& picture, RptPoint) override { kept.push_back(picture.data); }
    std::vector<QByteArray> kept;
};

TEST(StreamReader, ReadsAReusedPictureOnceHoweverOftenItIsDrawn) {
    const RptGraphic big{1, QByteArray(64 << 10, 'p')}; // larger than the read window
    const int uses = 600;
    QByteArray bytes = writeStream([&](TRptStreamWriter& w) {
        for (int page = 0; page < 2; ++page) {
            w.beginPage();
            for (int i = 0; i < uses / 2; ++i)
                w.drawPicture(big, 1, 1);
            w.endPage();
        }
    });
    CountingBuffer device(&bytes);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    TRptStreamReader reader(&device);
    PictureKeepingRender render;
    reader.replayAll(render);
    reader.replayPage(1, render); // a page drawn again shares the data too
    ASSERT_EQ(render.kept.size(), size_t(uses + uses / 2));
    for (const QByteArray& data : render.kept)
        ASSERT_TRUE(data.isSharedWith(render.kept.front()));
    EXPECT_LT(device.bytesRead, 2 * bytes.size());
}

TEST(StreamReader, ReplaysAStreamWithoutPages) {
    const RptDumpRender replay = replayAll(writeStream([](TRptStreamWriter&) {}));
    EXPECT_EQ(replay.lines(),
              (std::vector<std::string>{"version 2017", "title \"Untitled Report\"", "pages 0",
                                        "first page 1", "last page 9999", "paper 8.5 x 11 in"}));
}

TEST(StreamReader, KeepsVariablesByNameWithoutRegardToCase) {
    QByteArray bytes = writeStream([](TRptStreamWriter& w) {
        w.beginPage();
        w.setReportVariable("Total", "1");
        w.setReportVariable(cp1251("Город"), cp1251("Москва"));
        w.setLineSpacing(0.5, 0.25, 2);
        w.endPage();
    });
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TRptStreamReader reader(&buffer);
    RptDumpRender render;
    reader.replayAll(render);
    ASSERT_NE(reader.variable("TOTAL"), nullptr);
    EXPECT_EQ(*reader.variable("total"), "1");
    ASSERT_NE(reader.variable(cp1251("ГОРОД")), nullptr);
    EXPECT_EQ(*reader.variable(cp1251("город")), cp1251("Москва"));
    EXPECT_EQ(reader.variable("Other"), nullptr);
    EXPECT_EQ(reader.lineSpacing(), (std::array<float, 3>{0.5f, 0.25f, 2.0f}));
}

} // namespace
} // namespace zamt::test
