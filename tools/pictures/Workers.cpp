// Title picture of the main window: two workers in orange overalls lower a
// yellow pipe on a crane sling into a trench and join it to the pipe already
// laid, while a foreman in blue looks on from the right.
#include "Cartoon.h"
#include "Pictures.h"

#include <QRandomGenerator>
#include <QTransform>
#include <cmath>

namespace zamt::pictures {
namespace {

constexpr int kWidth = 352;
constexpr int kHeight = 305;

constexpr double kGroundY = 192;  // the ground surface
constexpr double kTrenchLeft = 0; // the trench runs in from the left edge
constexpr double kTrenchRight = 270;
constexpr double kFloorY = 292; // the trench floor
constexpr double kPipeRadius = 19;

const QColor kSkin(246, 200, 160);
const QColor kOrange(240, 120, 30);
const QColor kBlue(50, 90, 180);
const QColor kPipe(250, 204, 40);
const QColor kEarth(196, 146, 92);
const QColor kEarthDark(112, 72, 40);

struct Person {
    QPointF neck; // middle of the shoulders
    QPointF hip;  // middle of the hips
    double headRadius;
    double facing;               // +1 looks right, -1 looks left
    QPolygonF backArm, frontArm; // shoulder, elbow, hand
    QPolygonF backLeg, frontLeg; // hip, knee, ankle
    QColor suit;
    QColor cap;
    bool moustache;
};

QPointF headCentre(const Person& who) {
    const QPointF axis = who.neck - who.hip;
    const double length = std::hypot(axis.x(), axis.y());
    return who.neck + axis / length * (who.headRadius * 0.95) +
           QPointF(who.facing * who.headRadius * 0.1, 0);
}

void drawBoot(QPainter& p, QPointF ankle, double facing) {
    QPainterPath boot;
    boot.addRoundedRect(QRectF(-6, -3, 16, 8), 3.5, 3.5);
    p.save();
    p.translate(ankle);
    p.scale(facing, 1);
    outlined(p, boot, QColor(50, 40, 35));
    p.restore();
}

void drawHand(QPainter& p, QPointF at) {
    QPainterPath hand;
    hand.addEllipse(at, 4.2, 4.2);
    outlined(p, hand, roundShading(at + QPointF(-4, -4), at + QPointF(4, 4), kSkin), 1.1);
}

void drawTorso(QPainter& p, const Person& who) {
    const QPointF axis = who.hip - who.neck;
    const double length = std::hypot(axis.x(), axis.y());
    const double angle = std::atan2(axis.x(), axis.y()) * 180.0 / M_PI;

    p.save();
    p.translate(who.neck);
    p.rotate(-angle);
    // Local frame: the neck at the origin, the hips at (0, length).
    QPainterPath body;
    body.moveTo(-11, -2);
    body.cubicTo(-17, -2, -17, 4, -16, 10);
    body.lineTo(-14, length);
    body.quadTo(0, length + 5, 14, length);
    body.lineTo(16, 10);
    body.cubicTo(17, 4, 17, -2, 11, -2);
    body.closeSubpath();
    outlined(p, body, roundShading(QPointF(-16, 0), QPointF(16, 0), who.suit));

    // Shirt collar in the opening of the overalls.
    QPainterPath collar;
    collar.moveTo(-5, -2);
    collar.lineTo(0, 6);
    collar.lineTo(5, -2);
    collar.closeSubpath();
    outlined(p, collar, QColor(235, 235, 225), 1.0);

    // Seams, a breast pocket on the side the figure faces and a belt.
    const QColor seam = who.suit.darker(150);
    p.setPen(QPen(seam, 1.0));
    p.drawLine(QPointF(0, 6), QPointF(0, length - 2));
    p.setBrush(who.suit.darker(108));
    p.drawRect(QRectF(who.facing > 0 ? 3 : -11, 10, 8, 8));
    p.setBrush(who.suit.darker(145));
    p.setPen(QPen(kOutline, 1.0));
    p.drawRect(QRectF(-15, length - 9, 30, 5));
    p.setBrush(QColor(215, 190, 90));
    p.drawRect(QRectF(-3, length - 9.5, 6, 6));
    p.restore();
}

void drawHead(QPainter& p, const Person& who) {
    const QPointF c = headCentre(who);
    const double r = who.headRadius;
    const double f = who.facing;

    // Neck.
    limb(p, QPolygonF({who.neck, c}), r * 0.7, kSkin);

    // Ear on the far side, then the head itself.
    QPainterPath ear;
    ear.addEllipse(c + QPointF(-f * 0.55 * r, 0.1 * r), 0.22 * r, 0.3 * r);
    outlined(p, ear, kSkin.darker(110), 1.0);
    QPainterPath head;
    head.addEllipse(c, r, r * 1.05);
    outlined(p, head, roundShading(c + QPointF(-r, -r), c + QPointF(r, r), kSkin), 1.3);
    // Ear on the near side lies over the head's outline.
    QPainterPath nearEar;
    nearEar.addEllipse(c + QPointF(-f * 0.72 * r, 0.12 * r), 0.2 * r, 0.28 * r);
    outlined(p, nearEar, kSkin.darker(108), 1.0);

    // Face, turned towards the facing side.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 130, 120));
    p.drawEllipse(c + QPointF(f * 0.35 * r, 0.4 * r), 0.22 * r, 0.15 * r);
    p.setBrush(kOutline);
    p.drawEllipse(c + QPointF(f * 0.15 * r, -0.08 * r), 0.1 * r, 0.15 * r);
    p.drawEllipse(c + QPointF(f * 0.62 * r, -0.08 * r), 0.09 * r, 0.14 * r);
    p.setPen(QPen(kOutline, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(f * 0.02 * r, -0.34 * r), c + QPointF(f * 0.3 * r, -0.38 * r));
    p.drawLine(c + QPointF(f * 0.5 * r, -0.36 * r), c + QPointF(f * 0.75 * r, -0.32 * r));
    QPainterPath nose;
    nose.addEllipse(c + QPointF(f * 0.92 * r, 0.2 * r), 0.2 * r, 0.17 * r);
    outlined(p, nose, kSkin.darker(112), 1.0);
    if (who.moustache) {
        QPainterPath moustache;
        moustache.addEllipse(c + QPointF(f * 0.62 * r, 0.45 * r), 0.34 * r, 0.12 * r);
        outlined(p, moustache, QColor(95, 60, 35), 0.8);
    } else {
        p.setPen(QPen(kOutline, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c + QPointF(f * 0.45 * r - 0.25 * r, 0.3 * r), QSizeF(0.5 * r, 0.35 * r)),
                  200 * 16, 140 * 16);
    }

    // Cap: a crown over the top of the head and a peak towards the face.
    QPainterPath crown;
    crown.moveTo(c + QPointF(-1.04 * r, -0.12 * r));
    crown.cubicTo(c + QPointF(-1.1 * r, -1.35 * r), c + QPointF(1.1 * r, -1.35 * r),
                  c + QPointF(1.04 * r, -0.12 * r));
    crown.quadTo(c + QPointF(0, -0.3 * r), c + QPointF(-1.04 * r, -0.12 * r));
    outlined(p, crown, roundShading(c + QPointF(-r, -1.2 * r), c + QPointF(r, -0.1 * r), who.cap),
             1.3);
    QPainterPath peak;
    peak.moveTo(c + QPointF(f * 0.3 * r, -0.2 * r));
    peak.quadTo(c + QPointF(f * 1.4 * r, -0.35 * r), c + QPointF(f * 1.65 * r, -0.05 * r));
    peak.quadTo(c + QPointF(f * 1.1 * r, -0.05 * r), c + QPointF(f * 0.3 * r, -0.1 * r));
    peak.closeSubpath();
    outlined(p, peak, who.cap.darker(130), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(who.cap, Qt::white, 0.4));
    p.drawEllipse(c + QPointF(-0.25 * r, -0.85 * r), 0.3 * r, 0.12 * r);
}

// The body behind whatever the figure holds: legs, back arm, torso, head and
// the front arm down to the elbow.
void drawPersonBody(QPainter& p, const Person& who) {
    const double limbWidth = who.headRadius * 0.85;
    limb(p, who.backLeg, limbWidth * 1.15, who.suit.darker(112));
    drawBoot(p, who.backLeg.last(), who.facing);
    limb(p, who.backArm, limbWidth, who.suit.darker(112));
    limb(p, who.frontLeg, limbWidth * 1.15, who.suit);
    drawBoot(p, who.frontLeg.last(), who.facing);
    drawTorso(p, who);
    drawHead(p, who);
    limb(p, QPolygonF({who.frontArm[0], who.frontArm[1]}), limbWidth, who.suit);
}

// What lies in front of a held object: the forearms and the hands.
void drawPersonHands(QPainter& p, const Person& who) {
    const double limbWidth = who.headRadius * 0.85;
    drawHand(p, who.backArm.last());
    limb(p, QPolygonF({who.frontArm[1], who.frontArm[2]}), limbWidth, who.suit);
    drawHand(p, who.frontArm.last());
}

void drawEarth(QPainter& p) {
    // The cut face of the ground.
    QLinearGradient ground(0, kGroundY, 0, kHeight);
    ground.setColorAt(0, kEarth.lighter(104));
    ground.setColorAt(1, kEarth.darker(112));
    p.fillRect(QRectF(0, kGroundY, kWidth, kHeight - kGroundY), ground);

    // Pebbles and lumps, scattered the same way every time.
    QRandomGenerator random(1995);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const double x = random.bounded(double(kWidth));
        const double y = kGroundY + 4 + random.bounded(double(kHeight - kGroundY - 4));
        const double size = 1 + random.bounded(2.5);
        p.setBrush(random.bounded(3) == 0 ? kEarth.lighter(118) : kEarth.darker(125));
        p.drawEllipse(QPointF(x, y), size, size * 0.7);
    }

    // The trench: a dark cavity with its back wall lit from above.
    const QRectF trench(QPointF(kTrenchLeft, kGroundY), QPointF(kTrenchRight, kFloorY));
    QLinearGradient wall(0, trench.top(), 0, trench.bottom());
    wall.setColorAt(0, QColor(140, 96, 55));
    wall.setColorAt(0.25, kEarthDark);
    wall.setColorAt(1, kEarthDark.darker(140));
    QPainterPath cavity;
    cavity.moveTo(trench.topLeft());
    cavity.lineTo(trench.topRight());
    cavity.lineTo(trench.right() - 4, trench.bottom());
    cavity.lineTo(trench.left(), trench.bottom());
    cavity.closeSubpath();
    outlined(p, cavity, wall, 1.4);
    // Marks of the spade on the back wall.
    p.setPen(QPen(kEarthDark.darker(125), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 22; ++i) {
        const double x = 6 + random.bounded(trench.width() - 20);
        const double y = trench.top() + 8 + random.bounded(trench.height() - 24);
        p.drawLine(QPointF(x, y), QPointF(x + 4 + random.bounded(5.0), y + 1));
    }
    // The floor.
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(QColor(150, 104, 62));
    p.drawRect(QRectF(trench.left(), trench.bottom() - 5, trench.width() - 4, 5));

    // Grass along the edge of the ground on the right.
    p.setPen(QPen(QColor(70, 140, 50), 1.3, Qt::SolidLine, Qt::RoundCap));
    for (double x = kTrenchRight + 3; x < kWidth; x += 3.5) {
        const double h = 3 + random.bounded(4.0);
        p.drawLine(QPointF(x, kGroundY + 1), QPointF(x + random.bounded(3.0) - 1.5, kGroundY - h));
    }
    p.setPen(QPen(kOutline, 1.4));
    p.drawLine(QPointF(kTrenchRight, kGroundY), QPointF(kWidth, kGroundY));
}

// The heap of dug earth along the far side of the trench.
void drawSpoilHeap(QPainter& p) {
    QPainterPath heap;
    heap.moveTo(0, kGroundY + 1);
    heap.lineTo(0, kGroundY - 18);
    heap.cubicTo(30, kGroundY - 38, 70, kGroundY - 30, 95, kGroundY - 16);
    heap.cubicTo(120, kGroundY - 26, 160, kGroundY - 22, 185, kGroundY - 6);
    heap.quadTo(195, kGroundY, 200, kGroundY + 1);
    heap.closeSubpath();
    QLinearGradient fill(0, kGroundY - 38, 0, kGroundY);
    fill.setColorAt(0, kEarth.lighter(112));
    fill.setColorAt(1, kEarth.darker(115));
    outlined(p, heap, fill, 1.3);
    QRandomGenerator random(2005);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(random.bounded(190.0), kGroundY - random.bounded(20.0));
        if (!heap.contains(at))
            continue;
        p.setBrush(kEarth.darker(130));
        p.drawEllipse(at, 1.5, 1.0);
    }
}

// One pipe section along the x axis of the current frame, from x0 to x1,
// centred on y = 0, with a socket (a wider collar) at x1 when asked.
void drawPipeSection(QPainter& p, double x0, double x1, bool openEnd, bool socket) {
    const double r = kPipeRadius;
    QPainterPath body;
    body.addRect(QRectF(x0, -r, x1 - x0, 2 * r));
    QLinearGradient shade(0, -r, 0, r);
    shade.setColorAt(0, kPipe.darker(125));
    shade.setColorAt(0.22, mix(kPipe, Qt::white, 0.55));
    shade.setColorAt(0.45, kPipe);
    shade.setColorAt(0.85, kPipe.darker(130));
    shade.setColorAt(1, kPipe.darker(160));
    outlined(p, body, shade, 1.4);
    if (socket) {
        const double s = r + 3.5;
        QPainterPath collar;
        collar.addRoundedRect(QRectF(x1 - 14, -s, 16, 2 * s), 3, 3);
        QLinearGradient collarShade(0, -s, 0, s);
        collarShade.setColorAt(0, kPipe.darker(135));
        collarShade.setColorAt(0.22, mix(kPipe, Qt::white, 0.45));
        collarShade.setColorAt(0.5, kPipe.darker(105));
        collarShade.setColorAt(1, kPipe.darker(170));
        outlined(p, collar, collarShade, 1.4);
    }
    if (openEnd) {
        // The open end, turned a little towards the viewer.
        QPainterPath rim;
        rim.addEllipse(QPointF(x1, 0), r * 0.38, r);
        outlined(p, rim, kPipe.darker(115), 1.4);
        QPainterPath bore;
        bore.addEllipse(QPointF(x1 + 1, 0), r * 0.26, r * 0.8);
        QLinearGradient dark(x1 - r * 0.3, 0, x1 + r * 0.3, 0);
        dark.setColorAt(0, QColor(60, 45, 20));
        dark.setColorAt(1, QColor(120, 95, 35));
        outlined(p, bore, dark, 1.0);
    }
}

// The crane hook hangs from above the picture on its cable; two rope slings
// run from it round the new pipe section.
struct Sling {
    QPointF hook;
    QPointF left; // where the slings meet the top of the pipe
    QPointF right;
};

void drawHook(QPainter& p, QPointF hook) {
    p.setPen(QPen(QColor(70, 70, 75), 2.4));
    p.drawLine(QPointF(hook.x(), 0), hook - QPointF(0, 18));
    // Pulley block.
    QPainterPath block;
    block.addRoundedRect(QRectF(hook.x() - 7, hook.y() - 26, 14, 16), 3, 3);
    outlined(p, block,
             roundShading(hook + QPointF(-7, -26), hook + QPointF(7, -10), QColor(230, 190, 40)),
             1.3);
    // The hook itself.
    QPainterPath curve;
    curve.moveTo(hook + QPointF(0, -10));
    curve.lineTo(hook + QPointF(0, 2));
    curve.cubicTo(hook + QPointF(0, 12), hook + QPointF(-10, 12), hook + QPointF(-9, 3));
    p.setPen(QPen(kOutline, 5.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(QPen(QColor(150, 150, 160), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve);
}

void drawSlingRopes(QPainter& p, const Sling& sling) {
    const QColor rope(225, 215, 190);
    limb(p, QPolygonF({sling.hook + QPointF(0, 4), sling.left}), 2.2, rope);
    limb(p, QPolygonF({sling.hook + QPointF(0, 4), sling.right}), 2.2, rope);
}

// The rope bands round the pipe, seen across its front.
void drawSlingBands(QPainter& p, const QTransform& pipeFrame, double x) {
    p.save();
    p.setTransform(pipeFrame, true);
    QPainterPath band;
    band.addRoundedRect(QRectF(x - 2.5, -kPipeRadius - 1, 5, 2 * kPipeRadius + 2), 2, 2);
    outlined(p, band, QColor(225, 215, 190), 1.1);
    p.restore();
}

} // namespace

QImage drawWorkers() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    drawSpoilHeap(p);
    drawEarth(p);

    // The pipe already laid rests on the trench floor; the new section hangs
    // above the floor, tilted, its spigot end at the socket of the laid one.
    const double laidY = kFloorY - 5 - kPipeRadius;
    const double socketX = 150;
    QTransform newFrame;
    newFrame.translate(socketX - 6, laidY - 3);
    newFrame.rotate(-9);

    const Person left{
        QPointF(106, 186),
        QPointF(93, 236),
        13.5,
        +1,
        QPolygonF({QPointF(102, 189), QPointF(116, 216), QPointF(126, 247)}),
        QPolygonF({QPointF(110, 191), QPointF(131, 214), QPointF(146, 243)}),
        QPolygonF({QPointF(92, 236), QPointF(84, 262), QPointF(82, 284)}),
        QPolygonF({QPointF(98, 236), QPointF(110, 262), QPointF(104, 284)}),
        kOrange,
        QColor(226, 78, 28),
        false,
    };
    const Person right{
        QPointF(243, 180),
        QPointF(250, 229),
        13.5,
        -1,
        QPolygonF({QPointF(248, 183), QPointF(242, 207), QPointF(238, 228)}),
        QPolygonF({QPointF(239, 185), QPointF(224, 207), QPointF(216, 232)}),
        QPolygonF({QPointF(253, 229), QPointF(258, 258), QPointF(258, 284)}),
        QPolygonF({QPointF(246, 229), QPointF(236, 258), QPointF(242, 284)}),
        kOrange,
        QColor(226, 78, 28),
        false,
    };
    drawPersonBody(p, left);
    drawPersonBody(p, right);

    // The laid pipe runs out of the picture on the left.
    p.save();
    p.translate(0, laidY);
    drawPipeSection(p, -10, socketX, false, true);
    p.restore();

    // The new section.
    p.save();
    p.setTransform(newFrame, true);
    drawPipeSection(p, 0, 118, true, false);
    p.restore();
    p.save();
    p.translate(0, laidY);
    // The socket is drawn again over the spigot that enters it.
    QPainterPath collar;
    const double s = kPipeRadius + 3.5;
    collar.addRoundedRect(QRectF(socketX - 14, -s, 16, 2 * s), 3, 3);
    QLinearGradient collarShade(0, -s, 0, s);
    collarShade.setColorAt(0, kPipe.darker(135));
    collarShade.setColorAt(0.22, mix(kPipe, Qt::white, 0.45));
    collarShade.setColorAt(0.5, kPipe.darker(105));
    collarShade.setColorAt(1, kPipe.darker(170));
    outlined(p, collar, collarShade, 1.4);
    p.restore();

    const Sling sling{QPointF(176, 62), newFrame.map(QPointF(22, -kPipeRadius)),
                      newFrame.map(QPointF(84, -kPipeRadius))};
    drawSlingRopes(p, sling);
    drawSlingBands(p, newFrame, 22);
    drawSlingBands(p, newFrame, 84);
    drawHook(p, sling.hook);

    drawPersonHands(p, left);
    drawPersonHands(p, right);

    // The foreman on the ground at the right, one hand on his hip, the other
    // pointing at the joint.
    const Person foreman{
        QPointF(312, 112),
        QPointF(315, 160),
        14,
        -1,
        QPolygonF({QPointF(320, 116), QPointF(332, 138), QPointF(324, 156)}),
        QPolygonF({QPointF(305, 116), QPointF(290, 124), QPointF(274, 128)}),
        QPolygonF({QPointF(320, 160), QPointF(324, 176), QPointF(326, 190)}),
        QPolygonF({QPointF(309, 160), QPointF(304, 176), QPointF(302, 190)}),
        kBlue,
        QColor(30, 55, 130),
        true,
    };
    drawPersonBody(p, foreman);
    drawPersonHands(p, foreman);
    p.end();
    return image;
}

} // namespace zamt::pictures
