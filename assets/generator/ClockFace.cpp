#include "generator/ClockFace.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
constexpr int kSize = 64;
constexpr double kCentre = kSize / 2.0;
constexpr double kPi = 3.14159265358979323846;

// A point at the given distance from the centre, in the direction of a clock
// position counted in minutes (0 = twelve o'clock, 15 = three o'clock).
QPointF OnDial(double minutes, double radius)
{
    const double angle = minutes / 60.0 * 2.0 * kPi;
    return {kCentre + radius * std::sin(angle), kCentre - radius * std::cos(angle)};
}

void DrawHand(QPainter &p, double minutes, double length, double width, const QColor &colour)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(OnDial(minutes + 30.0, length * 0.18), OnDial(minutes, length));
}
} // namespace

QImage DrawClockFace()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Case and dial.
    const QRectF outer(1.5, 1.5, kSize - 3.0, kSize - 3.0);
    QRadialGradient rim(QPointF(kCentre - 8, kCentre - 8), kSize * 0.7);
    rim.setColorAt(0.0, QColor(120, 160, 215));
    rim.setColorAt(1.0, QColor(20, 45, 100));
    p.setPen(QPen(QColor(15, 30, 70), 1.0));
    p.setBrush(rim);
    p.drawEllipse(outer);

    const QRectF dial = outer.adjusted(4.5, 4.5, -4.5, -4.5);
    QRadialGradient face(QPointF(kCentre - 6, kCentre - 6), kSize * 0.5);
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(1.0, QColor(222, 226, 236));
    p.setPen(QPen(QColor(60, 70, 90), 0.8));
    p.setBrush(face);
    p.drawEllipse(dial);

    // Hour marks, heavier at the quarters.
    const double dialRadius = dial.width() / 2.0;
    for (int hour = 0; hour < 12; ++hour) {
        const bool quarter = hour % 3 == 0;
        p.setPen(QPen(QColor(30, 30, 40), quarter ? 2.2 : 1.2, Qt::SolidLine, Qt::FlatCap));
        const double inner = dialRadius - (quarter ? 6.0 : 4.0);
        p.drawLine(OnDial(hour * 5.0, inner), OnDial(hour * 5.0, dialRadius - 1.5));
    }

    // Ten past ten: hour, minute and second hands.
    DrawHand(p, 10 * 5.0 + 10.0 / 12.0 * 5.0, dialRadius * 0.55, 3.0, QColor(25, 25, 35));
    DrawHand(p, 10.0, dialRadius * 0.82, 2.0, QColor(25, 25, 35));
    DrawHand(p, 38.0, dialRadius * 0.86, 1.0, QColor(200, 30, 30));

    // Centre cap.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QPointF(kCentre, kCentre), 2.2, 2.2);

    p.end();
    return image;
}
