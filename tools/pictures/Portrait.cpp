// The About window's portrait: head and shoulders of a man in a jacket and
// tie before a studio backdrop, small like a pass photograph.
#include "Cartoon.h"
#include "Pictures.h"

namespace zamt::pictures {

QImage drawPortrait() {
    constexpr int kWidth = 62;
    constexpr int kHeight = 84;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Backdrop, lighter behind the head.
    QRadialGradient backdrop(QPointF(31, 34), 52);
    backdrop.setColorAt(0, QColor(196, 210, 222));
    backdrop.setColorAt(1, QColor(104, 124, 146));
    p.fillRect(image.rect(), backdrop);

    const QColor skin(236, 192, 160);
    const QColor jacket(58, 62, 74);
    const QColor hair(86, 60, 42);

    // Shoulders and jacket.
    QPainterPath shoulders;
    shoulders.moveTo(-2, 84);
    shoulders.lineTo(-2, 72);
    shoulders.cubicTo(2, 62, 14, 58, 24, 56);
    shoulders.lineTo(38, 56);
    shoulders.cubicTo(48, 58, 60, 62, 64, 72);
    shoulders.lineTo(64, 84);
    shoulders.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(roundShading(QPointF(0, 56), QPointF(62, 84), jacket)));
    p.drawPath(shoulders);

    // Neck, shirt and tie.
    p.setBrush(skin.darker(112));
    p.drawRect(QRectF(25, 46, 12, 12));
    QPainterPath shirt;
    shirt.moveTo(23, 55);
    shirt.lineTo(39, 55);
    shirt.lineTo(35, 84);
    shirt.lineTo(27, 84);
    shirt.closeSubpath();
    p.setBrush(QColor(240, 242, 244));
    p.drawPath(shirt);
    QPainterPath tie;
    tie.moveTo(29, 57);
    tie.lineTo(33, 57);
    tie.lineTo(32, 60);
    tie.lineTo(34.5, 80);
    tie.lineTo(31, 84);
    tie.lineTo(27.5, 80);
    tie.lineTo(30, 60);
    tie.closeSubpath();
    p.setBrush(QColor(150, 36, 40));
    p.drawPath(tie);
    // Lapels.
    p.setBrush(jacket.darker(120));
    QPainterPath lapels;
    lapels.moveTo(22, 56);
    lapels.lineTo(29, 76);
    lapels.lineTo(24, 84);
    lapels.lineTo(16, 62);
    lapels.closeSubpath();
    lapels.moveTo(40, 56);
    lapels.lineTo(33, 76);
    lapels.lineTo(38, 84);
    lapels.lineTo(46, 62);
    lapels.closeSubpath();
    p.drawPath(lapels);

    // Ears, face and hair.
    p.setBrush(skin.darker(108));
    p.drawEllipse(QPointF(17.5, 35), 2.6, 4.2);
    p.drawEllipse(QPointF(44.5, 35), 2.6, 4.2);
    QPainterPath face;
    face.moveTo(18, 30);
    face.cubicTo(18, 16, 44, 16, 44, 30);
    face.cubicTo(44, 42, 38, 50, 31, 50);
    face.cubicTo(24, 50, 18, 42, 18, 30);
    p.setBrush(QBrush(roundShading(QPointF(20, 22), QPointF(44, 48), skin)));
    p.drawPath(face);
    QPainterPath hairline;
    hairline.moveTo(17, 32);
    hairline.cubicTo(14, 12, 48, 10, 45, 32);
    hairline.cubicTo(44, 24, 40, 21, 34, 21);
    hairline.cubicTo(28, 24, 22, 22, 19, 27);
    hairline.closeSubpath();
    p.setBrush(QBrush(roundShading(QPointF(20, 12), QPointF(44, 32), hair)));
    p.drawPath(hairline);

    // Features.
    p.setPen(QPen(hair.darker(120), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22.5, 28.5), QPointF(28, 28));
    p.drawLine(QPointF(34, 28), QPointF(39.5, 28.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(25.5, 32), 2.2, 1.3);
    p.drawEllipse(QPointF(36.5, 32), 2.2, 1.3);
    p.setBrush(QColor(60, 80, 100));
    p.drawEllipse(QPointF(25.7, 32), 1.1, 1.1);
    p.drawEllipse(QPointF(36.3, 32), 1.1, 1.1);
    p.setPen(QPen(skin.darker(140), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(31, 33), QPointF(30, 39));
    p.drawLine(QPointF(30, 39), QPointF(32, 39.5));
    p.setPen(QPen(QColor(160, 90, 80), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27.5, 43.5), QPointF(34.5, 43.5));
    p.end();
    return image;
}

} // namespace zamt::pictures
