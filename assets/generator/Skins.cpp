// The three clock skins, drawn as Windows bitmaps into the program folder:
// "Digital" (an LCD of seven-segment digits with small seconds, keyed by pure
// red), "Santa Claus" (keyed by its top-left pixel) and "Small" (a dark pill
// with digits from a real typeface, keyed by pure red).
//
// A digit picture is drawn opaque over the very colour of the background
// behind it, so the face shows no seams. A background is drawn with
// anti-aliasing on a transparent canvas, then flattened: every pixel at least
// half covered takes its colour over the outline colour, every other pixel
// becomes the key, so no key-coloured pixel is left inside the outline and
// the edge never carries a fringe of the key.
#include "generator/ClockArtwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kSantaKey = qRgb(255, 0, 255);

QImage Canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Tile(int w, int h, QColor ground)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ground);
    return image;
}

// See the comment at the top of the file.
QImage Flatten(const QImage &art, QRgb key, QColor edge)
{
    const QImage src = art.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *o = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                o[x] = key;
                continue;
            }
            auto mix = [a](int c, int e) { return (c * a + e * (255 - a) + 127) / 255; };
            QRgb c = qRgb(mix(qRed(in[x]), edge.red()), mix(qGreen(in[x]), edge.green()), mix(qBlue(in[x]), edge.blue()));
            if ((c & RGB_MASK) == (key & RGB_MASK))
                c = qRgb(qRed(c) ^ 1, qGreen(c), qBlue(c)); // one step off the key
            o[x] = c;
        }
    }
    return out;
}

// ---- seven-segment digits ---------------------------------------------------

// Segments a (top), b (top right), c (bottom right), d (bottom), e (bottom
// left), f (top left), g (middle), as bits 0 to 6.
constexpr int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPolygonF Segment(QPointF from, QPointF to, double thickness, double gap)
{
    const bool horizontal = from.y() == to.y();
    const double h = thickness / 2;
    if (horizontal) {
        const double x0 = from.x() + gap, x1 = to.x() - gap, y = from.y();
        return QPolygonF({{x0, y}, {x0 + h, y - h}, {x1 - h, y - h}, {x1, y}, {x1 - h, y + h}, {x0 + h, y + h}});
    }
    const double y0 = from.y() + gap, y1 = to.y() - gap, x = from.x();
    return QPolygonF({{x, y0}, {x + h, y0 + h}, {x + h, y1 - h}, {x, y1}, {x - h, y1 - h}, {x - h, y0 + h}});
}

// A digit (or, for digit -1, only the unlit segments) in a tile of the LCD's colour.
QImage SegmentDigit(int digit, int w, int h, double thickness, double margin, QColor lcd, QColor lit, QColor unlit)
{
    QImage image = Tile(w, h, lcd);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // A slight slant, as on a real display.
    p.translate(w / 2.0, h / 2.0);
    p.shear(-0.07, 0);
    p.translate(-w / 2.0, -h / 2.0);
    const double xl = margin + thickness / 2, xr = w - margin - thickness / 2;
    const double yt = margin + thickness / 2, yb = h - margin - thickness / 2, ym = (yt + yb) / 2;
    const double gap = thickness * 0.22;
    const QPolygonF segments[7] = {
        Segment({xl, yt}, {xr, yt}, thickness, gap), Segment({xr, yt}, {xr, ym}, thickness, gap),
        Segment({xr, ym}, {xr, yb}, thickness, gap), Segment({xl, yb}, {xr, yb}, thickness, gap),
        Segment({xl, ym}, {xl, yb}, thickness, gap), Segment({xl, yt}, {xl, ym}, thickness, gap),
        Segment({xl, ym}, {xr, ym}, thickness, gap),
    };
    for (int s = 0; s < 7; ++s) {
        const bool on = digit >= 0 && (kSegments[digit] >> s & 1);
        p.setBrush(on ? lit : unlit);
        p.drawPolygon(segments[s]);
    }
    return image;
}

// ---- text pictures ------------------------------------------------------------

QFont Face(const QString &family, double pixels, bool bold, int stretch = 100)
{
    QFont font(family);
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    font.setStretch(stretch);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Text centred across a tile with its baseline at the given row.
QImage TextTile(const QString &text, int w, int h, double baseline, const QFont &font, QColor ground, QColor ink)
{
    QImage image = Tile(w, h, ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(ink);
    const QFontMetricsF m(font);
    const QRectF ink_ = m.tightBoundingRect(text);
    p.drawText(QPointF((w - ink_.width()) / 2 - ink_.left(), baseline), text);
    return image;
}

// A colon of two rounded dots at a third and two thirds of the digits' ink.
QImage ColonTile(int w, int h, double top, double bottom, double dot, QColor ground, QColor ink)
{
    QImage image = Tile(w, h, ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double span = bottom - top;
    for (double at : {top + span * 0.3, top + span * 0.72})
        p.drawRoundedRect(QRectF((w - dot) / 2, at - dot / 2, dot, dot), dot * 0.3, dot * 0.3);
    return image;
}

// ---- "Digital" ------------------------------------------------------------------
// 118 x 40: hours and minutes of 20 x 36, a colon of 10 x 36, the AM/PM mark
// (22 x 14) at the top right and the small seconds (11 x 18) below it.
namespace digital {
const QColor kLcd(178, 194, 160), kLit(24, 34, 20), kUnlit(165, 181, 148);
const QColor kBezel(44, 48, 52), kEdge(14, 16, 18), kShine(118, 126, 134);

QImage Background()
{
    QImage art = Canvas(118, 40);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kEdge, 1));
    p.setBrush(kBezel);
    p.drawRoundedRect(QRectF(0.5, 0.5, 117, 39), 5, 5);
    p.setPen(QPen(kShine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, 115, 37), 4, 4);
    // The display glass: every digit sits on it.
    p.setPen(Qt::NoPen);
    p.setBrush(kLcd);
    p.drawRect(QRect(3, 2, 112, 36));
    p.end();
    return Flatten(art, kRed, kEdge);
}
QImage Hour(int d) { return SegmentDigit(d, 20, 36, 4.2, 3, kLcd, kLit, kUnlit); }
QImage Second(int d) { return SegmentDigit(d, 11, 18, 2.7, 1.2, kLcd, kLit, kUnlit); }
QImage Colon(bool on) { return ColonTile(10, 36, 3, 33, 4.2, kLcd, on ? kLit : kUnlit); }
QImage Mark(const QString &text) { return TextTile(text, 22, 14, 11, Face(QStringLiteral("DejaVu Sans"), 10, true), kLcd, kLit); }
} // namespace digital

// ---- "Small" --------------------------------------------------------------------
// 130 x 30: six digits of 15 x 22 and two colons of 7 x 22 from (3, 4), and the
// AM/PM mark (19 x 22) one pixel after the seconds. In 24-hour form the line
// starts at 13 and ends 13 from the right.
namespace small {
const QColor kPanel(26, 33, 46), kInk(236, 242, 250), kAccent(120, 204, 255), kDim(52, 63, 82);
const QColor kRim(205, 212, 222), kDark(8, 10, 14);
constexpr int kW = 130, kH = 30;

QImage Background()
{
    QImage art = Canvas(kW, kH);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    // A light rim shows the outline on dark wallpapers, a dark ring on light ones.
    p.setPen(Qt::NoPen);
    p.setBrush(kRim);
    p.drawRoundedRect(QRectF(0, 0, kW, kH), 7, 7);
    p.setBrush(kDark);
    p.drawRoundedRect(QRectF(1, 1, kW - 2, kH - 2), 6, 6);
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(2, 2, kW - 4, kH - 4), 5, 5);
    p.end();
    QImage face = Flatten(art, kRed, kRim);
    QPainter f(&face);
    // A faint sheen along the top, above the digits.
    f.setPen(QColor(44, 54, 72));
    f.drawLine(6, 2, kW - 7, 2);
    return face;
}

QFont DigitFont() { return Face(QStringLiteral("DejaVu Sans"), 21, true); }
constexpr double kBaseline = 19.5;

QImage Digit(int d) { return TextTile(QString::number(d), 15, 22, kBaseline, DigitFont(), kPanel, kInk); }
QImage Colon(bool on)
{
    // Between the digits' top and baseline.
    const QRectF ink = QFontMetricsF(DigitFont()).tightBoundingRect(QStringLiteral("0"));
    return ColonTile(7, 22, kBaseline + ink.top(), kBaseline, 3.2, kPanel, on ? kAccent : kDim);
}
QImage Mark(const QString &text)
{
    return TextTile(text, 19, 22, kBaseline, Face(QStringLiteral("DejaVu Sans"), 10, true), kPanel, kAccent);
}
} // namespace small

// ---- "Santa Claus" --------------------------------------------------------------
// 182 x 214: Santa's head above a green sign whose cream plate holds the time:
// six digits of 14 x 20 and two colons of 6 x 20 at row 181, from 36 (43 in
// 24-hour form), the AM/PM mark (13 x 16) two rows lower after the seconds.
namespace santa {
const QColor kOutline(58, 30, 24), kHat(206, 34, 40), kHatShade(160, 20, 30), kFur(250, 250, 246);
const QColor kSkin(248, 204, 170), kCheek(240, 150, 150), kNose(232, 140, 116), kEye(40, 26, 22);
const QColor kSign(30, 104, 62), kSignEdge(18, 64, 38), kPlate(255, 247, 226), kRedInk(176, 18, 30);
const QColor kHolly(20, 120, 50), kBerry(214, 20, 30);

QPainterPath Cloud(const QList<QPointF> &centres, double r)
{
    QPainterPath path;
    for (const QPointF &c : centres) {
        QPainterPath puff;
        puff.addEllipse(c, r, r);
        path = path.united(puff);
    }
    return path;
}

QImage Background()
{
    QImage art = Canvas(182, 214);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto fill = [&](const QPainterPath &path, QColor colour) {
        p.setPen(outline);
        p.setBrush(colour);
        p.drawPath(path);
    };

    // Beard and hair: a white cloud under the face.
    fill(Cloud({{54, 104}, {128, 104}, {50, 126}, {132, 126}, {62, 146}, {120, 146}, {78, 160}, {104, 160},
                {91, 166}, {91, 130}},
               20),
         kFur);
    // Face.
    QPainterPath face;
    face.addEllipse(QPointF(91, 100), 33, 29);
    fill(face, kSkin);
    p.setPen(Qt::NoPen);
    p.setBrush(kCheek);
    p.drawEllipse(QPointF(70, 108), 7, 5);
    p.drawEllipse(QPointF(112, 108), 7, 5);
    // Eyes with a glint, and brows.
    p.setBrush(kEye);
    p.drawEllipse(QPointF(78, 96), 4, 5);
    p.drawEllipse(QPointF(104, 96), 4, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(79.5, 94.5), 1.4, 1.4);
    p.drawEllipse(QPointF(105.5, 94.5), 1.4, 1.4);
    p.setPen(QPen(kFur.darker(112), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(71, 86), QPointF(84, 85));
    p.drawLine(QPointF(98, 85), QPointF(111, 86));
    // Nose and moustache, and a smile below it.
    QPainterPath nose;
    nose.addEllipse(QPointF(91, 108), 8, 7);
    fill(nose, kNose);
    fill(Cloud({{78, 119}, {70, 121}, {104, 119}, {112, 121}}, 9), kFur);
    p.setPen(QPen(kHatShade, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(84, 122, 14, 9), 200 * 16, 140 * 16);

    // Hat: a cap that flops to the right, its white brim and pompom.
    QPainterPath hat;
    hat.moveTo(50, 76);
    hat.cubicTo(52, 34, 90, 8, 124, 14);
    hat.cubicTo(146, 18, 158, 34, 160, 52);
    hat.cubicTo(148, 40, 134, 36, 126, 44);
    hat.cubicTo(134, 54, 136, 66, 134, 76);
    hat.closeSubpath();
    fill(hat, kHat);
    p.setPen(Qt::NoPen);
    p.setBrush(kHatShade);
    QPainterPath fold;
    fold.moveTo(126, 44);
    fold.cubicTo(134, 54, 136, 66, 134, 76);
    fold.lineTo(124, 76);
    fold.cubicTo(126, 64, 124, 52, 126, 44);
    p.drawPath(fold);
    QPainterPath brim;
    brim.addRoundedRect(QRectF(40, 66, 102, 20), 10, 10);
    fill(brim, kFur);
    QPainterPath pompom;
    pompom.addEllipse(QPointF(160, 56), 12, 12);
    fill(pompom, kFur);

    // The sign that holds the time, with a sprig of holly on each top corner.
    QPainterPath sign;
    sign.addRoundedRect(QRectF(24, 172, 134, 40), 7, 7);
    p.setPen(QPen(kSignEdge, 2.2));
    p.setBrush(kSign);
    p.drawPath(sign);
    p.setPen(Qt::NoPen);
    p.setBrush(kPlate);
    p.drawRect(QRect(33, 178, 117, 27));
    for (double x : {30.0, 152.0}) {
        p.setBrush(kHolly);
        p.drawEllipse(QPointF(x - 5, 172), 6, 3.2);
        p.drawEllipse(QPointF(x + 5, 172), 6, 3.2);
        p.setBrush(kBerry);
        p.drawEllipse(QPointF(x, 171), 2.6, 2.6);
    }
    p.end();
    return Flatten(art, kSantaKey, kOutline);
}

QFont DigitFont() { return Face(QStringLiteral("DejaVu Sans"), 18, true); }
constexpr double kBaseline = 17;

QImage Digit(int d) { return TextTile(QString::number(d), 14, 20, kBaseline, DigitFont(), kPlate, kRedInk); }
QImage Colon(bool on)
{
    const QRectF ink = QFontMetricsF(DigitFont()).tightBoundingRect(QStringLiteral("0"));
    return ColonTile(6, 20, kBaseline + ink.top(), kBaseline, 3, kPlate, on ? kRedInk : kPlate.darker(112));
}
QImage Mark(const QString &text)
{
    return TextTile(text, 13, 16, 14, Face(QStringLiteral("DejaVu Sans"), 7, true, 85), kPlate, kHolly.darker(120));
}
} // namespace santa

QString DigitName(const QString &prefix, int d) { return prefix + QString::number(d) + QStringLiteral(".bmp"); }

void AddSkin(QList<Picture> &list, const QString &skin, std::function<QImage()> background,
             std::function<QImage(int)> hour, std::function<QImage(int)> second, std::function<QImage(bool)> colon,
             std::function<QImage(const QString &)> mark)
{
    const QString folder = skin + QLatin1Char('/');
    list.append({folder + QStringLiteral("Background.bmp"), background});
    for (int d = 0; d < 10; ++d) {
        list.append({folder + DigitName(QStringLiteral("hour_"), d), [hour, d] { return hour(d); }});
        if (second)
            list.append({folder + DigitName(QStringLiteral("Second_"), d), [second, d] { return second(d); }});
    }
    list.append({folder + QStringLiteral("AM.bmp"), [mark] { return mark(QStringLiteral("AM")); }});
    list.append({folder + QStringLiteral("PM.bmp"), [mark] { return mark(QStringLiteral("PM")); }});
    list.append({folder + QStringLiteral("Colon_ON.bmp"), [colon] { return colon(true); }});
    list.append({folder + QStringLiteral("Colon_OFF.bmp"), [colon] { return colon(false); }});
}
} // namespace

QList<Picture> SkinPictures()
{
    QList<Picture> list;
    AddSkin(list, QStringLiteral("Digital"), digital::Background, digital::Hour, digital::Second, digital::Colon,
            digital::Mark);
    AddSkin(list, QStringLiteral("Santa Claus"), santa::Background, santa::Digit, nullptr, santa::Colon, santa::Mark);
    AddSkin(list, QStringLiteral("Small"), small::Background, small::Digit, nullptr, small::Colon, small::Mark);
    return list;
}
