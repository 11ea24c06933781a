#include "look/PictureButton.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace zamt {

PictureButton::PictureButton(QWidget* parent) : QToolButton(parent) {}

void PictureButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.icon = QIcon();
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    const QRect face =
        style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this);
    QRect target(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
    target.moveCenter(face.center());
    if (isDown())
        target.translate(1, 1);
    painter.setClipRect(face);
    painter.drawPixmap(target.topLeft(), picture_);
}

} // namespace zamt
