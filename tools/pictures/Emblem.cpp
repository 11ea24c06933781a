// The About window's emblem: a blue shield with a water drop and waves, and
// the organisation's name lettered upwards beside it.
#include "Cartoon.h"
#include "Pictures.h"

#include <QFontMetricsF>

namespace zamt::pictures {
namespace {

const QColor kEmblemBlue(24, 78, 168);

QPainterPath dropShape(QPointF centre, double radius) {
    // A round bottom with a point above it.
    QPainterPath drop;
    drop.moveTo(centre + QPointF(0, -radius * 2.1));
    drop.cubicTo(centre + QPointF(radius * 0.35, -radius * 1.2),
                 centre + QPointF(radius, -radius * 0.6), centre + QPointF(radius, 0));
    drop.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 0, -180);
    drop.cubicTo(centre + QPointF(-radius, -radius * 0.6),
                 centre + QPointF(-radius * 0.35, -radius * 1.2),
                 centre + QPointF(0, -radius * 2.1));
    return drop;
}

QPainterPath wave(double left, double right, double y, double height) {
    QPainterPath path;
    path.moveTo(left, y);
    const double step = (right - left) / 4;
    for (int i = 0; i < 4; ++i) {
        const double x = left + i * step;
        path.quadTo(x + step / 2, y + (i % 2 == 0 ? -height : height), x + step, y);
    }
    return path;
}

} // namespace

QImage drawEmblem() {
    constexpr int kWidth = 60;
    constexpr int kHeight = 160;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The shield.
    const QRectF shield(3, 3, 29, 154);
    QPainterPath outline;
    outline.moveTo(shield.topLeft());
    outline.lineTo(shield.topRight());
    outline.lineTo(shield.right(), shield.bottom() - 14);
    outline.quadTo(shield.right(), shield.bottom(), shield.center().x(), shield.bottom());
    outline.quadTo(shield.left(), shield.bottom(), shield.left(), shield.bottom() - 14);
    outline.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kEmblemBlue);
    p.drawPath(outline);
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(QTransform()
                   .translate(shield.center().x(), shield.center().y())
                   .scale(0.82, 0.96)
                   .translate(-shield.center().x(), -shield.center().y())
                   .map(outline));

    // A white disc holding a blue drop.
    const QPointF disc(shield.center().x(), 30);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(disc, 10.5, 10.5);
    p.setBrush(kEmblemBlue);
    p.drawPath(dropShape(disc + QPointF(0, 3.5), 5));
    p.setBrush(Qt::white);
    p.drawEllipse(disc + QPointF(-1.8, 3.0), 1.3, 1.8);

    // A pipe running down the shield, and three waves at its foot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(shield.center().x() - 3, 46, 6, 58));
    p.drawRect(QRectF(shield.center().x() - 5, 46, 10, 4));
    p.drawRect(QRectF(shield.center().x() - 5, 100, 10, 4));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i)
        p.drawPath(wave(shield.left() + 6, shield.right() - 6, 114 + i * 9, 3));

    // The name, read from the bottom up.
    const QString name = QStringLiteral("ВОДОКАНАЛ");
    QFont font = pictureFont(15, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const double length = metrics.horizontalAdvance(name);
    p.translate(36 + metrics.capHeight() + 2, kHeight / 2.0 + length / 2);
    p.rotate(-90);
    p.setPen(kEmblemBlue);
    p.drawText(QPointF(0, 0), name);
    p.end();
    return image;
}

} // namespace zamt::pictures
