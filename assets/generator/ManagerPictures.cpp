#include "generator/ManagerPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Colours of a page picture: its normal look, and the lit look of the page shown.
struct Palette {
    QColor body, light, dark, line;
};
const Palette kNormal{QColor(214, 222, 232), QColor(255, 255, 255), QColor(120, 136, 156), QColor(30, 40, 55)};
const Palette kLit{QColor(255, 214, 92), QColor(255, 246, 200), QColor(196, 132, 20), QColor(60, 36, 0)};

QImage AlarmClock(const Palette &c)
{
    QImage image = Blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(c.line, 1.2);
    // Bells.
    p.setPen(outline);
    p.setBrush(c.dark);
    p.drawChord(QRectF(2.5, 2.5, 11, 11), 30 * 16, 180 * 16);
    p.drawChord(QRectF(18.5, 2.5, 11, 11), -30 * 16, 180 * 16);
    // Legs.
    p.setPen(QPen(c.line, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 25), QPointF(6, 30));
    p.drawLine(QPointF(23, 25), QPointF(26, 30));
    // Case and dial.
    QRadialGradient face(QPointF(13, 13), 14);
    face.setColorAt(0, c.light);
    face.setColorAt(1, c.body);
    p.setPen(outline);
    p.setBrush(c.dark);
    p.drawEllipse(QPointF(16, 17.5), 12, 12);
    p.setBrush(face);
    p.drawEllipse(QPointF(16, 17.5), 9.5, 9.5);
    // Hands at ten to two.
    p.setPen(QPen(c.line, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 17.5), QPointF(16 - 4.5, 17.5 - 4));
    p.drawLine(QPointF(16, 17.5), QPointF(16 + 5.5, 17.5 - 5));
    p.setBrush(c.line);
    p.drawEllipse(QPointF(16, 17.5), 1.2, 1.2);
    return image;
}

QImage Gear(const Palette &c)
{
    QImage image = Blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(16, 16);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = (i - 0.5) * kPi * 2 / (teeth * 4);
        const double r = (i % 4 < 2) ? 14.0 : 10.5;
        const QPointF pt(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 4.5, 4.5);
    QRadialGradient body(QPointF(12, 11), 16);
    body.setColorAt(0, c.light);
    body.setColorAt(1, c.body);
    p.setPen(QPen(c.line, 1.2));
    p.setBrush(body);
    p.drawPath(gear.subtracted(hole));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.dark, 1.0));
    p.drawEllipse(centre, 7.5, 7.5);
    return image;
}
} // namespace

QImage DrawManagerStrip()
{
    constexpr int kWidth = 80, kHeight = 351;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Deep teal at the top to night blue at the foot, lit from the left.
    QLinearGradient down(0, 0, 0, kHeight);
    down.setColorAt(0.0, QColor(22, 104, 122));
    down.setColorAt(0.55, QColor(16, 62, 92));
    down.setColorAt(1.0, QColor(10, 30, 58));
    p.fillRect(image.rect(), down);
    QLinearGradient across(0, 0, kWidth, 0);
    across.setColorAt(0.0, QColor(255, 255, 255, 40));
    across.setColorAt(0.5, QColor(255, 255, 255, 0));
    across.setColorAt(1.0, QColor(0, 0, 0, 50));
    p.fillRect(image.rect(), across);

    // A large faint dial rising from the foot of the strip.
    const QPointF centre(kWidth / 2.0, kHeight - 40);
    p.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        p.setPen(QPen(QColor(255, 255, 255, 34 - ring * 9), 1.5));
        p.drawEllipse(centre, 52.0 + ring * 16, 52.0 + ring * 16);
    }
    for (int mark = 0; mark < 12; ++mark) {
        const double a = mark * kPi / 6;
        const double inner = mark % 3 == 0 ? 38 : 43;
        p.setPen(QPen(QColor(255, 255, 255, 70), mark % 3 == 0 ? 2.5 : 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(centre.x() + inner * std::sin(a), centre.y() - inner * std::cos(a)),
                   QPointF(centre.x() + 48 * std::sin(a), centre.y() - 48 * std::cos(a)));
    }
    p.setPen(QPen(QColor(255, 255, 255, 90), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, QPointF(centre.x() - 18, centre.y() - 16));
    p.drawLine(centre, QPointF(centre.x() + 4, centre.y() - 34));

    // A lighter edge on the left and a shadow on the right, like a raised panel.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(0, 0, 0, kHeight - 1);
    p.drawLine(0, 0, kWidth - 1, 0);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawLine(kWidth - 1, 0, kWidth - 1, kHeight - 1);
    p.drawLine(0, kHeight - 1, kWidth - 1, kHeight - 1);
    return image;
}

QImage DrawAlarmsPage()
{
    return AlarmClock(kNormal);
}

QImage DrawAlarmsPageDown()
{
    return AlarmClock(kLit);
}

QImage DrawOptionsPage()
{
    return Gear(kNormal);
}

QImage DrawOptionsPageDown()
{
    return Gear(kLit);
}

QImage DrawPlayGlyph()
{
    QImage image = Blank(14, 19);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(2.5, 3.5);
    triangle.lineTo(12.0, 9.5);
    triangle.lineTo(2.5, 15.5);
    triangle.closeSubpath();
    QLinearGradient fill(0, 3, 0, 16);
    fill.setColorAt(0, QColor(110, 220, 110));
    fill.setColorAt(1, QColor(20, 140, 30));
    p.setPen(QPen(QColor(10, 80, 20), 1.0));
    p.setBrush(fill);
    p.drawPath(triangle);
    return image;
}

QImage DrawStopGlyph()
{
    QImage image = Blank(14, 19);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 4, 0, 15);
    fill.setColorAt(0, QColor(240, 110, 100));
    fill.setColorAt(1, QColor(180, 20, 20));
    p.setPen(QPen(QColor(110, 10, 10), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2.5, 5.0, 9.0, 9.0), 1.0, 1.0);
    return image;
}

QImage DrawOpenGlyph()
{
    QImage image = Blank(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen edge(QColor(120, 90, 20), 1.0);
    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.0, 3.5);
    back.lineTo(7.5, 5.0);
    back.lineTo(13.5, 5.0);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.setPen(edge);
    p.setBrush(QColor(222, 180, 70));
    p.drawPath(back);
    // The open front, tilted.
    QPainterPath front;
    front.moveTo(3.5, 7.5);
    front.lineTo(15.0, 7.5);
    front.lineTo(13.0, 13.5);
    front.lineTo(1.5, 13.5);
    front.closeSubpath();
    QLinearGradient fill(0, 7, 0, 14);
    fill.setColorAt(0, QColor(255, 228, 130));
    fill.setColorAt(1, QColor(236, 190, 70));
    p.setBrush(fill);
    p.drawPath(front);
    return image;
}
