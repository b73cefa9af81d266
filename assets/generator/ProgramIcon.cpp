// The program icon, an alarm clock with two bells showing ten past ten, in
// eight sizes, each drawn for its size (strokes never thinner than a pixel,
// no minute marks where they would only blur), and the 16 by 16 glyphs of the
// clock's menu.
#include "generator/ClockArtwork.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
const QColor kInk(40, 30, 30), kBody(214, 48, 40), kBodyDark(150, 26, 24), kBell(238, 176, 46), kDial(255, 253, 246);

QPointF Polar(QPointF centre, double minutes, double radius)
{
    const double a = minutes / 60.0 * 2 * kPi;
    return {centre.x() + radius * std::sin(a), centre.y() - radius * std::cos(a)};
}

QImage ProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    // Line widths in the 128 grid, kept at a pixel or more at small sizes.
    const double px = 128.0 / size;
    auto width = [px](double w) { return std::max(w, 1.1 * px); };
    const QPointF c(64, 70);
    const double r = size <= 24 ? 46 : 44;

    // Feet, then the bells with their striker, behind the body.
    p.setPen(QPen(kInk, width(7), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(Polar(c, 24, r - 4), Polar(c, 23, r + 14));
    p.drawLine(Polar(c, 36, r - 4), Polar(c, 37, r + 14));
    p.setPen(QPen(kInk, width(4)));
    p.setBrush(kBell);
    for (double at : {51.5, 8.5}) {
        const QPointF b = Polar(c, at, r + 6);
        QPainterPath bell;
        bell.addEllipse(b, 19, 19);
        QPainterPath cut;
        cut.addRect(QRectF(b.x() - 30, b.y(), 60, 30));
        p.save();
        p.translate(b);
        p.rotate(at > 30 ? -45 : 45);
        p.translate(-b);
        p.drawPath(bell.subtracted(cut));
        p.restore();
    }
    if (size >= 32) {
        p.setPen(QPen(kInk, width(5), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(64, c.y() - r - 2), QPointF(64, c.y() - r - 12));
    }

    // Body and dial.
    QRadialGradient shade(c - QPointF(14, 16), r * 1.3);
    shade.setColorAt(0, kBody.lighter(125));
    shade.setColorAt(1, kBodyDark);
    p.setPen(QPen(kInk, width(4)));
    p.setBrush(shade);
    p.drawEllipse(c, r, r);
    const double dial = r - (size <= 24 ? 10 : 9);
    p.setPen(QPen(kInk.lighter(150), width(2)));
    p.setBrush(kDial);
    p.drawEllipse(c, dial, dial);

    if (size >= 48) {
        p.setPen(QPen(kInk, width(size >= 96 ? 2.5 : 3.5), Qt::SolidLine, Qt::RoundCap));
        for (int h = 0; h < 12; ++h)
            p.drawLine(Polar(c, h * 5, dial - (h % 3 ? 4 : 8)), Polar(c, h * 5, dial - 2));
    }
    // Ten past ten.
    p.setPen(QPen(kInk, width(7), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, Polar(c, 50.8, dial * 0.55));
    p.setPen(QPen(kInk, width(5), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, Polar(c, 10, dial * 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(kBody);
    p.drawEllipse(c, std::max(4.5, 1.2 * px), std::max(4.5, 1.2 * px));
    return image;
}

// ---- menu glyphs, 16 by 16 ----------------------------------------------------

QImage Glyph(const std::function<void(QPainter &)> &draw)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

// A window dropping into the panel at the bottom.
void SendToTray(QPainter &p)
{
    p.setPen(QPen(QColor(40, 60, 90), 1));
    p.setBrush(QColor(120, 170, 230));
    p.drawRect(QRectF(0.5, 12.5, 15, 3));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(2.5, 1.5, 9, 7));
    p.setBrush(QColor(60, 110, 190));
    p.drawRect(QRectF(2.5, 1.5, 9, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 140, 60));
    p.drawPolygon(QPolygonF({{10, 6}, {15, 6}, {12.5, 11}}));
}

// A small bell.
void Alarms(QPainter &p)
{
    QPainterPath bell;
    bell.moveTo(8, 1.5);
    bell.cubicTo(12.5, 1.5, 12.5, 7, 13, 10);
    bell.lineTo(14.5, 12.5);
    bell.lineTo(1.5, 12.5);
    bell.lineTo(3, 10);
    bell.cubicTo(3.5, 7, 3.5, 1.5, 8, 1.5);
    p.setPen(QPen(QColor(110, 70, 10), 1));
    p.setBrush(QColor(246, 190, 50));
    p.drawPath(bell);
    p.setBrush(QColor(110, 70, 10));
    p.drawEllipse(QPointF(8, 14), 1.6, 1.6);
}

// A cog.
void Options(QPainter &p)
{
    QPainterPath cog;
    const QPointF c(8, 8);
    for (int i = 0; i < 16; ++i) {
        const double a = i * kPi / 8;
        const double r = (i / 2) % 2 ? 5.2 : 7.2;
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i ? cog.lineTo(q) : cog.moveTo(q);
    }
    cog.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 2.2, 2.2);
    p.setPen(QPen(QColor(50, 56, 66), 1));
    p.setBrush(QColor(150, 160, 176));
    p.drawPath(cog.subtracted(hole));
}

void Disc(QPainter &p, QColor colour, const QString &text)
{
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16.5), Qt::AlignCenter, text);
}

// A power switch, red.
void Exit(QPainter &p)
{
    p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(2, 2.5, 12, 12), 120 * 16, -240 * 16);
    p.drawLine(QPointF(8, 1.5), QPointF(8, 7.5));
}
} // namespace

QList<Picture> ProgramIconPictures()
{
    QList<Picture> list;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128})
        list.append({QStringLiteral("icons/tocsimo-%1.png").arg(size), [size] { return ProgramIcon(size); }});
    return list;
}

QList<Picture> MenuGlyphPictures()
{
    return {
        {QStringLiteral("glyphs/Sendtotray.png"), [] { return Glyph(SendToTray); }},
        {QStringLiteral("glyphs/Alarms1.png"), [] { return Glyph(Alarms); }},
        {QStringLiteral("glyphs/Options1.png"), [] { return Glyph(Options); }},
        {QStringLiteral("glyphs/menuAbout.png"),
         [] { return Glyph([](QPainter &p) { Disc(p, QColor(40, 110, 200), QStringLiteral("i")); }); }},
        {QStringLiteral("glyphs/Help1.png"),
         [] { return Glyph([](QPainter &p) { Disc(p, QColor(30, 150, 90), QStringLiteral("?")); }); }},
        {QStringLiteral("glyphs/menuExit.png"), [] { return Glyph(Exit); }},
    };
}
