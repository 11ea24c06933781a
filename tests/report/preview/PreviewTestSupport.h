#pragma once
// A scroll box without a screen for the preview renderer's tests, and page
// streams to show in it.
#include "report/preview/RptPreviewView.h"

#include <QByteArray>
#include <string>
#include <vector>

namespace zamt::test {

class FakeScrollBox : public RptPreviewView {
public:
    RptScrollBoxMetrics box{615, 400, 17, 17, 4, 4};
    double ppi = 96;
    double ratio = 1;
    QColor background{240, 240, 240};
    QPoint scroll;
    bool picture = false;
    QSize placedSize;
    int placedMargin = -1;
    QImage shown;
    int pictures = 0;               // how often a picture was set
    std::vector<std::string> calls; // in order

    RptScrollBoxMetrics metrics() const override { return box; }
    double pixelsPerInch() const override { return ppi; }
    double devicePixelRatio() const override { return ratio; }
    QColor color() const override { return background; }
    QPoint scrollPosition() const override { return scroll; }
    void setScrollPosition(QPoint position) override;
    bool hasPicture() const override { return picture; }
    void createPicture() override;
    void placePicture(QSize size, int margin) override;
    void setPicture(const QImage& image) override;
};

// `pages` pages, each with its number as text at (1 in, 1 in) in 12 points.
QByteArray numberedPages(int pages, double paperWidth = 8.5, double paperHeight = 11);
// The header of a 2017 stream of `pages` pages and one page block holding
// `records` (the page's end code is added).
QByteArray handMadePage(const QByteArray& records, int pages = 1);

} // namespace zamt::test
