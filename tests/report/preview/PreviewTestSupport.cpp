#include "PreviewTestSupport.h"

#include "../stream/StreamBytes.h"
#include "../stream/StreamTestSupport.h"

namespace zamt::test {

void FakeScrollBox::setScrollPosition(QPoint position) {
    scroll = position;
    calls.push_back("scroll " + std::to_string(position.x()) + "," + std::to_string(position.y()));
}

void FakeScrollBox::createPicture() {
    picture = true;
    calls.push_back("create");
}

void FakeScrollBox::placePicture(QSize size, int margin) {
    placedSize = size;
    placedMargin = margin;
    calls.push_back("place " + std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                    " at " + std::to_string(margin));
}

void FakeScrollBox::setPicture(const QImage& image) {
    shown = image;
    ++pictures;
    calls.push_back("picture");
}

QByteArray numberedPages(int pages, double paperWidth, double paperHeight) {
    return writeStream(
        [&](TRptStreamWriter& w) {
            for (int page = 1; page <= pages; ++page) {
                w.beginPage();
                w.setFontSize(12);
                w.text(1.0, 1.0, "Page " + std::to_string(page));
                w.endPage();
            }
        },
        [&](TRptStreamWriter& w) {
            w.setPaperSize(paperWidth, paperHeight);
            w.setLastPage(32767);
        });
}

QByteArray handMadePage(const QByteArray& records, int pages) {
    StreamBytes s;
    s.b(90).i16(2017).s("").i16(pages).i16(1).i16(9999).f(8.5f).f(11).f(0).f(0).f(0).f(0).b(0);
    s.i16(265).b(0).b(0).i16(1).i16(1).i16(0).i16(0).s("");
    s.b(80).i32(0).i32(0).i16(1).f(8.5f).f(11);
    s.bytes.append(records);
    s.b(82);
    return s.bytes;
}

} // namespace zamt::test
