// Face of the hydraulics window's chart button: the lettering in black on a
// mottled yellow and green ground.
#include "Cartoon.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QRandomGenerator>

namespace zamt::pictures {

QImage drawChartButton() {
    constexpr int kWidth = 330;
    constexpr int kHeight = 30;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(206, 212, 78));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Mottling: overlapping soft spots in shades between yellow and green,
    // from a fixed seed so that every run gives the same face.
    const QColor yellow(248, 226, 70);
    const QColor green(96, 168, 64);
    QRandomGenerator random(330);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const QPointF at(random.bounded(double(kWidth)), random.bounded(double(kHeight)));
        const double radius = 1.5 + random.bounded(5.0);
        QColor shade = mix(yellow, green, random.bounded(1.0));
        shade.setAlpha(70 + static_cast<int>(random.bounded(90)));
        p.setBrush(shade);
        p.drawEllipse(at, radius, radius * (0.6 + random.bounded(0.6)));
    }

    const QString text = QStringLiteral("график с рис.7 таблицы для Кгн");
    p.setFont(pictureFont(15, true));
    const QFontMetricsF metrics(p.font());
    const double x = (kWidth - metrics.horizontalAdvance(text)) / 2;
    const double baseline = (kHeight + metrics.capHeight()) / 2;
    p.setPen(Qt::black);
    p.drawText(QPointF(x, baseline), text);
    p.end();
    return image;
}

} // namespace zamt::pictures
