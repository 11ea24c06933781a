#pragma once
// The scroll box a preview renderer shows its page picture in. The window
// gives it a scroll box of its own; tests give it a box without a screen.
#include "report/preview/PreviewGeometry.h"

#include <QColor>
#include <QImage>
#include <QPoint>

namespace zamt {

class RptPreviewView {
public:
    virtual ~RptPreviewView();

    virtual RptScrollBoxMetrics metrics() const = 0;
    // The screen's pixels per inch (the same across and down) and how many
    // device pixels make one of them.
    virtual double pixelsPerInch() const = 0;
    virtual double devicePixelRatio() const = 0;
    // The colour around the picture.
    virtual QColor color() const = 0;

    // Horizontal and vertical scroll bar positions.
    virtual QPoint scrollPosition() const = 0;
    virtual void setScrollPosition(QPoint position) = 0;

    virtual bool hasPicture() const = 0;
    virtual void createPicture() = 0;
    // Puts the picture, `size` pixels large, at left = top = `margin`; the
    // scroll range becomes the size plus twice the margin.
    virtual void placePicture(QSize size, int margin) = 0;
    // What the picture shows; its device pixel ratio tells its size.
    virtual void setPicture(const QImage& image) = 0;
};

} // namespace zamt
