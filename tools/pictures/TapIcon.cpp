// The program's icon: a grey water tap with light-blue water running from its
// spout. It is drawn large, reduced to the icon size and then put into the
// sixteen colours of the classic icon palette with a transparent ground.
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <limits>

namespace zamt::pictures {
namespace {

// The sixteen colours of the standard icon palette.
constexpr std::array<QRgb, 16> kPalette{
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

QRgb nearestPaletteColour(QRgb colour) {
    QRgb best = kPalette.front();
    int bestDistance = std::numeric_limits<int>::max();
    for (const QRgb candidate : kPalette) {
        const int dr = qRed(colour) - qRed(candidate);
        const int dg = qGreen(colour) - qGreen(candidate);
        const int db = qBlue(colour) - qBlue(candidate);
        // Green weighs most, blue least, as the eye sees them.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

// The tap in a 32 by 32 frame: wall pipe on the left, the body with its
// handle on top, the spout bending down on the right, the water below it.
// The small icon leaves out the fine details, which would only blur.
void paintTap(QPainter& p, bool small) {
    const QColor outline(0, 0, 0);
    const QColor metal(192, 192, 192);
    const QColor metalDark(128, 128, 128);
    const QColor water(0, 255, 255);
    const QColor waterEdge(0, 0, 255);
    p.setRenderHint(QPainter::Antialiasing);
    const double line = small ? 1.6 : 1.1;
    p.setPen(QPen(outline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const auto metalFill = [&](double top, double bottom) {
        QLinearGradient g(0, top, 0, bottom);
        g.setColorAt(0, metal);
        g.setColorAt(0.45, metal);
        g.setColorAt(0.55, metalDark);
        g.setColorAt(1, metalDark);
        return QBrush(g);
    };

    // Wall pipe and its nut.
    p.setBrush(metalFill(9, 16));
    p.drawRect(QRectF(0.5, 9.5, 5, 6));
    p.drawRoundedRect(QRectF(5, 8, 3.5, 9), 1, 1);

    // Body and spout: one shape, the spout turning down towards the outlet.
    QPainterPath body;
    body.moveTo(8.5, 9);
    body.lineTo(20, 9);
    body.cubicTo(25, 9, 27, 12, 27, 17);
    body.lineTo(27, 20);
    body.lineTo(22, 20);
    body.lineTo(22, 17.5);
    body.cubicTo(22, 16, 21, 16, 19.5, 16);
    body.lineTo(8.5, 16);
    body.closeSubpath();
    p.setBrush(metalFill(9, 16));
    p.drawPath(body);
    // Outlet rim.
    p.drawRect(QRectF(21.5, 19.5, 6, 2));

    // Stem and cross handle.
    p.setBrush(metalDark);
    p.drawRect(QRectF(13, 5, 4, 4));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(8, 2, 14, 3.5), 1.7, 1.7);
    if (!small) {
        // A glint along the top of the body.
        p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10.6), QPointF(19, 10.6));
        p.drawLine(QPointF(10, 3.3), QPointF(12, 3.3));
    }

    // The water: a stream from the outlet and a splash where it lands.
    QPainterPath stream;
    stream.moveTo(22.5, 21.5);
    stream.lineTo(26.5, 21.5);
    stream.cubicTo(26.5, 25, 26, 27, 26.2, 29.5);
    stream.lineTo(22.8, 29.5);
    stream.cubicTo(23, 27, 22.5, 25, 22.5, 21.5);
    stream.closeSubpath();
    p.setPen(small ? Qt::NoPen : QPen(waterEdge, 0.9));
    p.setBrush(water);
    p.drawPath(stream);
    p.drawEllipse(QRectF(18.5, 28.3, 12, 3.2));
    if (!small) {
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(19, 26), 1.0, 1.0);
        p.drawEllipse(QPointF(30, 25.5), 1.0, 1.0);
    }
}

} // namespace

QImage drawTapIcon(int size) {
    // Drawn at eight times the size and reduced, so that edges average out
    // before they are put into the palette.
    constexpr int kOversample = 8;
    QImage large(size * kOversample, size * kOversample, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter p(&large);
        p.scale(size * kOversample / 32.0, size * kOversample / 32.0);
        paintTap(p, size < 32);
    }
    const QImage small = large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);

    QImage icon(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb c = small.pixel(x, y);
            // An icon pixel is either opaque or transparent.
            icon.setPixel(x, y, qAlpha(c) < 128 ? qRgba(0, 0, 0, 0) : nearestPaletteColour(c));
        }
    }
    return icon;
}

} // namespace zamt::pictures
