#include "Cartoon.h"

namespace zamt::pictures {

QColor mix(const QColor& a, const QColor& b, double t) {
    const auto channel = [t](int from, int to) {
        return static_cast<int>(from + (to - from) * t + 0.5);
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

QFont pictureFont(double pixels, bool bold) {
    // One font installed everywhere the generator runs, so that the lettering
    // does not depend on the machine's font substitution.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void outlined(QPainter& p, const QPainterPath& shape, const QBrush& fill, double outline) {
    p.setPen(QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
}

void limb(QPainter& p, const QPolygonF& joints, double width, const QColor& colour) {
    const auto stroke = [&](const QColor& c, double w) {
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(joints);
    };
    p.save();
    stroke(kOutline, width + 2.4);
    stroke(colour.darker(125), width);
    // The light comes from the upper left.
    p.translate(-width * 0.08, -width * 0.08);
    stroke(colour, width * 0.72);
    p.translate(-width * 0.06, -width * 0.06);
    stroke(mix(colour, Qt::white, 0.35), width * 0.22);
    p.restore();
}

QLinearGradient roundShading(QPointF lit, QPointF shadowed, const QColor& base) {
    QLinearGradient gradient(lit, shadowed);
    gradient.setColorAt(0.0, mix(base, Qt::white, 0.25));
    gradient.setColorAt(0.35, base);
    gradient.setColorAt(0.8, base.darker(118));
    gradient.setColorAt(1.0, base.darker(140));
    return gradient;
}

} // namespace zamt::pictures
