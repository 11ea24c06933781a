#pragma once
// The preview window's scroll box: it holds the page picture at the margin
// and scrolls it.
#include "report/preview/RptPreviewView.h"

#include <QScrollArea>

namespace zamt {

class PagePicture;

class TRptScrollBox : public QScrollArea, public RptPreviewView {
public:
    // Pixels one scroll step moves.
    static constexpr int ScrollStep = 8;

    explicit TRptScrollBox(QWidget* parent = nullptr);

    RptScrollBoxMetrics metrics() const override;
    double pixelsPerInch() const override;
    double devicePixelRatio() const override;
    QColor color() const override;
    QPoint scrollPosition() const override;
    void setScrollPosition(QPoint position) override;
    bool hasPicture() const override { return picture_ != nullptr; }
    void createPicture() override;
    void placePicture(QSize size, int margin) override;
    void setPicture(const QImage& image) override;

    // The page picture (null before the first page) and what it shows.
    QWidget* picture() const;
    QImage pictureImage() const;

private:
    QWidget* area_;
    PagePicture* picture_ = nullptr;
};

} // namespace zamt
