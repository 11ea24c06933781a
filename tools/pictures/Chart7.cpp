// The chart "рисунок 7": Кгн against Re for eight values of λ, drawn from the
// curve model like a page of a printed procedure.
#include "Cartoon.h"
#include "ChartModel.h"
#include "Pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace zamt::pictures {
namespace {

constexpr int kWidth = 574;
constexpr int kHeight = 406;
// The plotting area. The top-right corner of the picture lies under the
// figure window's "exit" button, so the plot starts below it.
const QRectF kPlot(QPointF(54, 42), QPointF(510, 326));

const QColor kPaper(252, 251, 245);
const QColor kInk(28, 28, 30);
const QColor kGrid(120, 120, 120);
const QColor kFineGrid(200, 200, 196);

double xOfRe(double re) {
    const double share =
        (std::log10(re) - std::log10(kReFirst)) / (std::log10(kReLast) - std::log10(kReFirst));
    return kPlot.left() + share * kPlot.width();
}

double yOfKgn(double kgn) {
    const double share = (kgn - kKgnLow) / (kKgnHigh - kKgnLow);
    return kPlot.bottom() - share * kPlot.height();
}

// A faint, even grain, so that the chart reads as a printed page.
void paperGrain(QImage& image) {
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = static_cast<int>(random.bounded(5)) - 2;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                           std::clamp(qBlue(c) + d, 0, 255));
        }
    }
}

// "5·10³" centred on x: the mantissa (left out when it is 1), the base 10 and
// the power raised and smaller.
void drawReMark(QPainter& p, const ReMark& mark, double x, double baseline) {
    const QFont main = pictureFont(10);
    const QFont raised = pictureFont(8);
    const QString head =
        mark.mantissa == 1 ? QStringLiteral("10") : QStringLiteral("%1·10").arg(mark.mantissa);
    const QString power = QString::number(mark.power);
    const double headWidth = QFontMetricsF(main).horizontalAdvance(head);
    const double powerWidth = QFontMetricsF(raised).horizontalAdvance(power);
    const double left = x - (headWidth + powerWidth) / 2;
    p.setFont(main);
    p.drawText(QPointF(left, baseline), head);
    p.setFont(raised);
    p.drawText(QPointF(left + headWidth, baseline - 5), power);
}

void drawGrid(QPainter& p) {
    // Unlabelled lines: every whole multiple of a power of ten on the Re axis
    // and every 0.002 of Кгн.
    p.setPen(QPen(kFineGrid, 0.6));
    for (int power = 3; power <= 7; ++power) {
        for (int mantissa = 1; mantissa <= 9; ++mantissa) {
            const double re = mantissa * std::pow(10.0, power);
            if (re > kReFirst && re < kReLast)
                p.drawLine(QPointF(xOfRe(re), kPlot.top()), QPointF(xOfRe(re), kPlot.bottom()));
        }
    }
    for (int step = 1; step < 30; ++step) {
        if (step % 5 == 0)
            continue;
        const double y = yOfKgn(kKgnLow + step * 0.002);
        p.drawLine(QPointF(kPlot.left(), y), QPointF(kPlot.right(), y));
    }

    // Labelled lines.
    p.setPen(QPen(kGrid, 0.9));
    for (const ReMark& mark : kReMarks) {
        const double x = xOfRe(mark.value());
        p.drawLine(QPointF(x, kPlot.top()), QPointF(x, kPlot.bottom()));
    }
    for (int step = 0; step <= 6; ++step) {
        const double y = yOfKgn(kKgnLow + step * 0.01);
        p.drawLine(QPointF(kPlot.left(), y), QPointF(kPlot.right(), y));
    }
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kPlot);
}

void drawAxes(QPainter& p) {
    p.setPen(kInk);
    for (const ReMark& mark : kReMarks) {
        const double x = xOfRe(mark.value());
        p.drawLine(QPointF(x, kPlot.bottom()), QPointF(x, kPlot.bottom() + 4));
        drawReMark(p, mark, x, kPlot.bottom() + 18);
    }
    p.setFont(pictureFont(11));
    const QFontMetricsF metrics(p.font());
    for (int step = 0; step <= 6; ++step) {
        const double y = yOfKgn(kKgnLow + step * 0.01);
        const QString label = QStringLiteral("1,%1").arg(4 + step, 2, 10, QLatin1Char('0'));
        p.drawLine(QPointF(kPlot.left() - 4, y), QPointF(kPlot.left(), y));
        p.drawText(QPointF(kPlot.left() - 7 - metrics.horizontalAdvance(label), y + 4), label);
    }

    p.setFont(pictureFont(14, true));
    p.drawText(QPointF(kPlot.left() - 44, kPlot.top() - 12), QStringLiteral("Кгн"));
    p.drawText(QPointF(kPlot.right() + 14, kPlot.bottom() + 22), QStringLiteral("Re"));
}

void drawCurves(QPainter& p) {
    p.setFont(pictureFont(11));
    const QFontMetricsF metrics(p.font());
    for (int index = 0; index < kCurveCount; ++index) {
        const ChartCurve curve = chartCurve(index);
        QPainterPath path;
        constexpr int kSamples = 400;
        const double logFirst = std::log10(kReFirst);
        const double logLast = std::log10(kReLast);
        for (int i = 0; i <= kSamples; ++i) {
            const double re = std::pow(10.0, logFirst + (logLast - logFirst) * i / kSamples);
            const QPointF point(xOfRe(re), yOfKgn(chartValue(curve, re)));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        p.setPen(QPen(kInk, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);

        const double endY = yOfKgn(chartValue(curve, kReLast));
        p.drawText(QPointF(kPlot.right() + 5, endY + metrics.capHeight() / 2),
                   QString::fromStdString(lambdaLabel(curve.lambda)));
    }
}

void drawCaption(QPainter& p) {
    p.setPen(kInk);
    p.setFont(pictureFont(15, true));
    const QString caption = QStringLiteral("Рисунок 7");
    const double width = QFontMetricsF(p.font()).horizontalAdvance(caption);
    p.drawText(QPointF((kWidth - width) / 2, kHeight - 22), caption);
}

} // namespace

QImage drawChart7() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kPaper);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        drawGrid(p);
        drawCurves(p);
        drawAxes(p);
        drawCaption(p);
    }
    paperGrain(image);
    return image;
}

} // namespace zamt::pictures
