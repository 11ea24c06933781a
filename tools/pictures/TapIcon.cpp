// The program's icon: a grey water tap with light-blue water running from its
// spout. It is drawn large, reduced to the icon size and then put into the
// sixteen colours of the classic icon palette with a transparent ground.
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
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

// How much of the tap a size can show: the 16-pixel icon leaves out what would
// only blur, the 32-pixel one adds glints, the desktop sizes from 48 pixels up
// add the threads, nut faces, handle cap, the water's shine and its drops.
enum class Detail { Small, Normal, Fine };

constexpr double kFrame = 32; // the drawing's own units: a 32 by 32 frame

const QColor kOutline(0, 0, 0);
const QColor kMetal(192, 192, 192);
const QColor kMetalDark(128, 128, 128);
const QColor kWater(0, 255, 255);
const QColor kWaterEdge(0, 0, 255);

QBrush metalFill(double top, double bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, kMetal);
    g.setColorAt(0.45, kMetal);
    g.setColorAt(0.55, kMetalDark);
    g.setColorAt(1, kMetalDark);
    return QBrush(g);
}

// A pen for the fine sizes, as wide in icon pixels as asked and never thinner
// than one and a half of them, so that it survives the reduction.
QPen finePen(const QColor& colour, double iconPixels, int size) {
    const double pixels = std::max(1.5, iconPixels * size / 256.0);
    return QPen(colour, pixels * kFrame / size, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Below 64 pixels the threads and the nut's faces would run into one dark bar.
constexpr int kRoomySize = 64;

// Threads on the wall pipe and the two faces of its nut.
void paintFitting(QPainter& p, int size) {
    if (size < kRoomySize)
        return;
    p.setPen(finePen(kMetalDark, 3, size));
    for (const double x : {1.8, 3.1, 4.4})
        p.drawLine(QPointF(x, 10.2), QPointF(x, 14.8));
    p.setPen(finePen(kOutline, 2.5, size));
    p.drawLine(QPointF(6.2, 8.6), QPointF(6.2, 16.4));
    p.drawLine(QPointF(7.4, 8.6), QPointF(7.4, 16.4));
}

// The shine of the metal: a glint along the body and the spout's bend, a shade
// under the body, a cap in the middle of the handle and a glint on the rim.
void paintMetalShine(QPainter& p, int size) {
    p.setPen(finePen(Qt::white, 4, size));
    p.drawLine(QPointF(10, 10.5), QPointF(19, 10.5));
    QPainterPath bend;
    bend.moveTo(20.5, 10.5);
    bend.cubicTo(23.5, 10.7, 25.4, 12.6, 25.6, 16.5);
    p.drawPath(bend);
    p.drawLine(QPointF(9.5, 3.1), QPointF(12.5, 3.1));
    p.drawLine(QPointF(23, 20.3), QPointF(26, 20.3));
    p.setPen(finePen(kOutline, 2.5, size));
    p.drawLine(QPointF(10, 14.6), QPointF(19, 14.6));
    p.setPen(finePen(kOutline, 2.5, size));
    p.setBrush(kMetalDark);
    p.drawEllipse(QPointF(15, 3.75), 1.4, 1.1);
}

// Shine running down the stream, a ripple round the splash, and the drops
// thrown off to both sides.
void paintWaterShine(QPainter& p, int size) {
    p.setPen(finePen(Qt::white, 4, size));
    QPainterPath shine;
    shine.moveTo(23.6, 22.5);
    shine.cubicTo(23.6, 25, 24, 26.5, 23.9, 28.3);
    p.drawPath(shine);
    p.setPen(finePen(kWaterEdge, 2.5, size));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(17.5, 28.8, 14, 3), 180 * 16, 180 * 16);
    p.setPen(finePen(kWaterEdge, 2, size));
    p.setBrush(kWater);
    p.drawEllipse(QPointF(19.2, 25.8), 0.9, 1.1);
    p.drawEllipse(QPointF(29.8, 25.4), 0.9, 1.1);
    if (size < kRoomySize)
        return;
    p.drawEllipse(QPointF(17.4, 23.9), 0.6, 0.75);
    p.drawEllipse(QPointF(31.1, 23.2), 0.6, 0.75);
}

// The tap in a 32 by 32 frame: wall pipe on the left, the body with its
// handle on top, the spout bending down on the right, the water below it.
void paintTap(QPainter& p, Detail detail, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    const double line = detail == Detail::Small    ? 1.6
                        : detail == Detail::Normal ? 1.1
                                                   : finePen(kOutline, 4, size).widthF();
    p.setPen(QPen(kOutline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

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
    p.setBrush(kMetalDark);
    p.drawRect(QRectF(13, 5, 4, 4));
    p.setBrush(kMetal);
    p.drawRoundedRect(QRectF(8, 2, 14, 3.5), 1.7, 1.7);
    if (detail == Detail::Normal) {
        // A glint along the top of the body.
        p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10.6), QPointF(19, 10.6));
        p.drawLine(QPointF(10, 3.3), QPointF(12, 3.3));
    } else if (detail == Detail::Fine) {
        paintFitting(p, size);
        paintMetalShine(p, size);
    }

    // The water: a stream from the outlet and a splash where it lands.
    QPainterPath stream;
    stream.moveTo(22.5, 21.5);
    stream.lineTo(26.5, 21.5);
    stream.cubicTo(26.5, 25, 26, 27, 26.2, 29.5);
    stream.lineTo(22.8, 29.5);
    stream.cubicTo(23, 27, 22.5, 25, 22.5, 21.5);
    stream.closeSubpath();
    p.setPen(detail == Detail::Small    ? QPen(Qt::NoPen)
             : detail == Detail::Normal ? QPen(kWaterEdge, 0.9)
                                        : finePen(kWaterEdge, 3, size));
    p.setBrush(kWater);
    p.drawPath(stream);
    p.drawEllipse(QRectF(18.5, 28.3, 12, 3.2));
    if (detail == Detail::Normal) {
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(19, 26), 1.0, 1.0);
        p.drawEllipse(QPointF(30, 25.5), 1.0, 1.0);
    } else if (detail == Detail::Fine) {
        paintWaterShine(p, size);
    }
}

Detail detailFor(int size) {
    if (size < 32)
        return Detail::Small;
    return size < 48 ? Detail::Normal : Detail::Fine;
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
        p.scale(size * kOversample / kFrame, size * kOversample / kFrame);
        paintTap(p, detailFor(size), size);
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
