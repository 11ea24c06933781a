#include "report/preview/PreviewIcons.h"

#include "look/WindowFonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zamt {
namespace {

// Drawn on a grid of 16 units; a unit is one pixel at 16 pixels.
const QColor Ink(40, 40, 40);
const QColor Folder(230, 190, 80);
const QColor FolderDark(170, 130, 40);
const QColor Disk(50, 90, 170);
const QColor Arrow(30, 120, 40);
const QColor Glass(200, 230, 250);
const QColor Door(150, 90, 50);
const QColor Red(200, 40, 40);

QPen ink(double width = 1) {
    return QPen(Ink, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void sheet(QPainter& p, QRectF r) {
    p.setPen(ink());
    p.setBrush(Qt::white);
    p.drawRect(r);
}

void triangle(QPainter& p, double tipX, double baseX, double y, double half) {
    QPainterPath path;
    path.moveTo(tipX, y);
    path.lineTo(baseX, y - half);
    path.lineTo(baseX, y + half);
    path.closeSubpath();
    p.setPen(QPen(Arrow.darker(130), 0.8));
    p.setBrush(Arrow);
    p.drawPath(path);
}

void bar(QPainter& p, double x) {
    p.setPen(Qt::NoPen);
    p.setBrush(Arrow);
    p.drawRect(QRectF(x, 3.5, 2, 9));
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
    p.setPen(ink(1.2));
    p.setBrush(Glass);
    p.drawEllipse(QRectF(1.5, 1.5, 10, 10));
    p.setPen(QPen(Ink, 1.6));
    p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
    if (plus)
        p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
}

void draw(QPainter& p, PreviewIcon icon) {
    switch (icon) {
    case PreviewIcon::Open: {
        p.setPen(ink());
        p.setBrush(FolderDark);
        p.drawRect(QRectF(1.5, 3.5, 5, 2));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        QPainterPath front;
        front.moveTo(1.5, 13.5);
        front.lineTo(4.5, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
        front.closeSubpath();
        p.setBrush(Folder);
        p.drawPath(front);
        break;
    }
    case PreviewIcon::SaveAs:
        p.setPen(ink());
        p.setBrush(Disk);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 9, 6));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawRect(QRectF(9, 11, 1.5, 3));
        break;
    case PreviewIcon::Print:
        sheet(p, QRectF(4.5, 1.5, 7, 5));
        p.setPen(ink());
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        sheet(p, QRectF(4.5, 10.5, 7, 4));
        p.setPen(QPen(Ink, 0.8));
        p.drawLine(QPointF(5.5, 12.5), QPointF(10.5, 12.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 200, 60));
        p.drawRect(QRectF(12, 8, 1.5, 1.5));
        break;
    case PreviewIcon::Exit:
        p.setPen(ink());
        p.setBrush(Door);
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setBrush(Ink);
        p.drawEllipse(QRectF(7, 8, 1.2, 1.2));
        p.setPen(QPen(Red, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 5.5), QPointF(14, 5.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        {
            QPainterPath head;
            head.moveTo(15.5, 5.5);
            head.lineTo(12, 2.5);
            head.lineTo(12, 8.5);
            head.closeSubpath();
            p.drawPath(head);
        }
        break;
    case PreviewIcon::First:
        bar(p, 2.5);
        triangle(p, 5, 13, 8, 5);
        break;
    case PreviewIcon::Previous:
        triangle(p, 3.5, 12, 8, 5.5);
        break;
    case PreviewIcon::Next:
        triangle(p, 12.5, 4, 8, 5.5);
        break;
    case PreviewIcon::Last:
        triangle(p, 11, 3, 8, 5);
        bar(p, 11.5);
        break;
    case PreviewIcon::GoToPage: {
        sheet(p, QRectF(2.5, 1.5, 9, 13));
        QFont font = windowFont(QStringLiteral("Arial"), 9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Ink);
        p.drawText(QRectF(2.5, 2, 9, 12), Qt::AlignCenter, QStringLiteral("#"));
        triangle(p, 15.5, 11.5, 11.5, 3.5);
        break;
    }
    case PreviewIcon::ZoomIn:
        magnifier(p, true);
        break;
    case PreviewIcon::ZoomOut:
        magnifier(p, false);
        break;
    case PreviewIcon::FitPageWidth:
        sheet(p, QRectF(3.5, 1.5, 9, 13));
        p.setPen(QPen(Arrow, 1.4));
        p.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
        triangle(p, 0.5, 4.5, 8, 2.8);
        triangle(p, 15.5, 11.5, 8, 2.8);
        break;
    case PreviewIcon::FitPage:
        p.setPen(QPen(Arrow, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 15, 15));
        sheet(p, QRectF(4.5, 2.5, 7, 11));
        p.setPen(QPen(Ink, 0.8));
        for (double y = 5; y < 12; y += 2)
            p.drawLine(QPointF(6, y), QPointF(10, y));
        break;
    }
}

} // namespace

QImage previewIconImage(PreviewIcon icon, int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, pixels > 16);
    painter.scale(pixels / 16.0, pixels / 16.0);
    draw(painter, icon);
    return image;
}

QIcon previewIcon(PreviewIcon icon) {
    QIcon result;
    for (const int pixels : {16, 24, 32, 48})
        result.addPixmap(QPixmap::fromImage(previewIconImage(icon, pixels)));
    return result;
}

} // namespace zamt
