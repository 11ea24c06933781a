#pragma once
// Small drawing helpers shared by the cartoon pictures: outlined shapes and
// thick rounded strokes with a little shading, all in one outline colour.
#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace zamt::pictures {

inline const QColor kOutline(45, 32, 24);

// a + (b − a)·t per channel.
QColor mix(const QColor& a, const QColor& b, double t);
// The font of the pictures' lettering, at a pixel size.
QFont pictureFont(double pixels, bool bold = false);
// Fills the shape and strokes its outline.
void outlined(QPainter& p, const QPainterPath& shape, const QBrush& fill, double outline = 1.3);
// A thick stroke through the points with round ends: an arm, a leg, a rope.
// It is outlined, darker along one side and lit along the other, so that it
// reads as round.
void limb(QPainter& p, const QPolygonF& joints, double width, const QColor& colour);
// A gradient for a round body across the line from 'lit' to 'shadowed'.
QLinearGradient roundShading(QPointF lit, QPointF shadowed, const QColor& base);

} // namespace zamt::pictures
