#include "report/preview/TRptScrollBox.h"

#include "look/WindowLook.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace zamt {

// Shows an image at its own size in device-independent pixels.
class PagePicture : public QWidget {
public:
    explicit PagePicture(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("PagePicture"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QImage image;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), image);
        QWidget::paintEvent(event);
    }
};

TRptScrollBox::TRptScrollBox(QWidget* parent) : QScrollArea(parent), area_(new QWidget) {
    setObjectName(QStringLiteral("ScrollBox1"));
    // The page picture is reached with the window's keys, never by Tab.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    area_->setObjectName(QStringLiteral("PageArea"));
    area_->resize(0, 0);
    setWidget(area_);
    setBackground(viewport(), palette().color(QPalette::Button));
    horizontalScrollBar()->setSingleStep(ScrollStep);
    verticalScrollBar()->setSingleStep(ScrollStep);
}

RptScrollBoxMetrics TRptScrollBox::metrics() const {
    RptScrollBoxMetrics m;
    m.width = width();
    m.height = height();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    m.vertScrollBarWidth = extent;
    m.horzScrollBarHeight = extent;
    m.outerMinusClientX = width() - viewport()->width();
    m.outerMinusClientY = height() - viewport()->height();
    return m;
}

double TRptScrollBox::pixelsPerInch() const {
    return logicalDpiY();
}

double TRptScrollBox::devicePixelRatio() const {
    return devicePixelRatioF();
}

QColor TRptScrollBox::color() const {
    return viewport()->palette().color(QPalette::Window);
}

QPoint TRptScrollBox::scrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void TRptScrollBox::setScrollPosition(QPoint position) {
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

void TRptScrollBox::createPicture() {
    picture_ = new PagePicture(area_);
    picture_->show();
}

void TRptScrollBox::placePicture(QSize size, int margin) {
    area_->resize(size.width() + 2 * margin, size.height() + 2 * margin);
    picture_->setGeometry(margin, margin, size.width(), size.height());
}

void TRptScrollBox::setPicture(const QImage& image) {
    picture_->image = image;
    picture_->update();
}

QWidget* TRptScrollBox::picture() const {
    return picture_;
}

QImage TRptScrollBox::pictureImage() const {
    return picture_ ? picture_->image : QImage();
}

} // namespace zamt
