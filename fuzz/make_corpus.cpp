// Writes the seed corpus of the page stream fuzzer: a few small streams of
// the writer and hand-made ones in the older layouts, one file each.
//   fuzz_make_corpus DIR
#include "SeedFiles.h"
#include "report/stream/RptPageMacros.h"
#include "report/stream/StreamBytes.h"
#include "report/stream/TRptStreamWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>

namespace {

using zamt::RptAlign;
using zamt::RptGraphic;
using zamt::rptPageMacro;
using zamt::RptPoint;
using zamt::rptVariableMacro;
using zamt::TRptStreamWriter;

QByteArray written(const std::function<void(TRptStreamWriter&)>& job) {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TRptStreamWriter writer(&buffer);
    writer.beginJob();
    job(writer);
    writer.endJob();
    return buffer.data();
}

// A one-page stream in an older layout, with the records our writer never writes.
QByteArray older(int version) {
    zamt::test::StreamBytes s;
    s.b(version == 1101 ? 81 : 89);
    s.i16(1).i16(1).i16(9999).f(8.5f).f(11).f(0).f(0).f(0).f(0).b(0);
    if (version >= 2000)
        s.i16(265).b(0).b(0);
    s.i16(1).i16(1).i16(0).i16(0).s("");
    s.b(80).i32(0).i32(0).i16(1);
    if (version >= 2000)
        s.f(8.5f).f(11);
    else
        s.b(0);
    s.b(50).s("Arial").i32(0).b(0).f(0.14f).b(1).b(0).b(0).b(0);
    if (version >= 2000)
        s.i16(0);
    s.b(70).i32(255).b(4).b(0).f(0.01f);
    s.b(40).i32(0xFFFFFF).b(0).b(0);
    s.b(32).f(1).s("old text").f(1).f(2);
    s.b(2).f(0).f(0).f(1).f(1).f(0).f(0).f(1).f(1).i32(0);
    s.b(9).f(1).f(1).i32(0).i32(1);
    s.b(30).s("thirty").b(84).b(87).b(1).b(88).s("x");
    s.b(82);
    return s.bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_corpus DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const RptGraphic picture{1, "BM tiny picture data"};
    const zamt::fuzz::Seeds seeds = {
        {"no-pages.rps", written([](TRptStreamWriter&) {})},
        {"one-page.rps", written([](TRptStreamWriter& w) {
             w.setReportVariable("Total", "a value longer than four");
             w.beginPage();
             w.text(1, 1, "Page " + rptPageMacro(11) + " of " + rptPageMacro(10));
             w.text(4, 1,
                    rptVariableMacro("total") + "\x01"
                                                "B\x01"
                                                "x",
                    RptAlign::Right);
             w.text(2, 2, rptPageMacro(2) + rptPageMacro(16), RptAlign::Center);
             w.endPage();
         })},
        {"three-pages.rps", written([&](TRptStreamWriter& w) {
             w.setReportVariable("Name", "repeated value");
             for (int page = 0; page < 3; ++page) {
                 w.beginPage();
                 w.setBold(page == 1);
                 w.setPenWidth(0.02);
                 w.line(0.5, 0.5, 8, 0.5);
                 w.rectangle({1, 1, 2, 2});
                 w.ellipse({1, 1, 2, 2});
                 w.arc({{1, 1, 2, 2}, {2, 1.5f}, {1.5f, 1}});
                 w.polygon(std::vector<RptPoint>{{0, 0}, {1, 1}, {2, 0}});
                 w.drawPicture(picture, 3, 3);
                 w.setBrushBitmap(picture);
                 w.fillRect({3, 3, 4, 4});
                 w.textClipped({1, 1, 2, 2}, 1, 1.5, "clipped");
                 w.embedData("data", "note", {0, 0, 1, 1});
                 w.endPage();
             }
         })},
        // One picture larger than the reader's window, reused many times.
        {"reused-pictures.rps", written([](TRptStreamWriter& w) {
             const RptGraphic big{1, QByteArray(17000, 'b')};
             for (int page = 0; page < 2; ++page) {
                 w.beginPage();
                 for (int i = 0; i < 100; ++i)
                     w.drawPicture(big, 0.01 * i, 1);
                 w.endPage();
             }
         })},
        {"version-1101.rps", older(1101)},
        {"version-2009.rps", older(2009)},
    };
    return zamt::fuzz::writeSeeds(dir, seeds);
}
