// The window outline from a background picture, and the skins' own pictures:
// complete, with a clean outline and no seams under the digits.
#include "clock/BuildRegion.h"
#include "clock/FaceLayout.h"

#include <QRandomGenerator>
#include <QTest>

using RunList = QList<QPair<int, int>>;

namespace {
const QString kProgramDir = QStringLiteral(TOCSIMO_PROGRAM_DIR "/");
constexpr QRgb kKey = qRgb(255, 0, 0);

// One row of pixels: 'R' the key, anything else a face colour.
QImage Row(const char *pixels)
{
    const int w = int(qstrlen(pixels));
    QImage image(w, 1, QImage::Format_RGB32);
    for (int x = 0; x < w; ++x)
        image.setPixel(x, 0, pixels[x] == 'R' ? kKey : qRgb(10, 20, 30 + x));
    return image;
}

RunList RunsOf(const QRegion &region)
{
    RunList runs;
    for (const QRect &r : region)
        runs.append({r.left(), r.right() + 1});
    return runs;
}

QImage Load(const QString &skin, const QString &file)
{
    return QImage(kProgramDir + skin + QLatin1Char('/') + file).convertToFormat(QImage::Format_RGB32);
}

// Key pixels that cannot be reached from the picture's border through key pixels.
int EnclosedKeyPixels(const QImage &image, QRgb key)
{
    const int w = image.width(), h = image.height();
    auto isKey = [&](int x, int y) { return (image.pixel(x, y) & RGB_MASK) == (key & RGB_MASK); };
    QList<bool> seen(w * h, false);
    QList<QPoint> todo;
    for (int x = 0; x < w; ++x)
        todo << QPoint(x, 0) << QPoint(x, h - 1);
    for (int y = 0; y < h; ++y)
        todo << QPoint(0, y) << QPoint(w - 1, y);
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h || seen[p.y() * w + p.x()] || !isKey(p.x(), p.y()))
            continue;
        seen[p.y() * w + p.x()] = true;
        todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            enclosed += isKey(x, y) && !seen[y * w + x];
    return enclosed;
}
} // namespace

class TestBuildRegion : public QObject {
    Q_OBJECT
private slots:
    void runsOfARow_data();
    void runsOfARow();
    void regionIsExactlyTheNonKeyPixels();
    void keyColour();
    void skins_data();
    void skins();
};

void TestBuildRegion::runsOfARow_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<RunList>("runs");
    using Runs = RunList;
    QTest::newRow("RRXXRXX") << "RRXXRXX" << Runs{{2, 4}, {5, 7}};
    QTest::newRow("no key") << "XXXXXXX" << Runs{{0, 7}};
    QTest::newRow("only key") << "RRRR" << Runs{};
    QTest::newRow("ends in key") << "XRXXR" << Runs{{0, 1}, {2, 4}};
    QTest::newRow("one pixel") << "X" << Runs{{0, 1}};
}

void TestBuildRegion::runsOfARow()
{
    QFETCH(QString, row);
    QFETCH(RunList, runs);
    QCOMPARE(RunsOf(BuildRegion(Row(qPrintable(row)), kKey)), runs);
}

void TestBuildRegion::regionIsExactlyTheNonKeyPixels()
{
    // Speckled pictures, sparse to dense in key pixels, with colours one step
    // from the key (which are face, not key).
    QRandomGenerator random(7);
    for (int percent : {0, 5, 50, 95, 100}) {
        QImage image(53, 31, QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool key = int(random.bounded(100)) < percent;
                const QRgb near[] = {qRgb(254, 0, 0), qRgb(255, 1, 0), qRgb(255, 0, 1), qRgb(0, 0, 0)};
                // The key counts whatever the alpha.
                image.setPixel(x, y, key ? qRgba(255, 0, 0, int(random.bounded(256))) : near[random.bounded(4)]);
            }
        const QRegion region = BuildRegion(image, kKey);
        int faceCount = 0, area = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool face = (image.pixel(x, y) & RGB_MASK) != (kKey & RGB_MASK);
                faceCount += face;
                QVERIFY2(region.contains(QPoint(x, y)) == face, qPrintable(QStringLiteral("%1% key, pixel %2,%3 %4").arg(percent).arg(x).arg(y).arg(image.pixel(x, y), 8, 16)));
            }
        for (const QRect &r : region)
            area += r.width() * r.height();
        QCOMPARE(area, faceCount);
    }
}

void TestBuildRegion::keyColour()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    image.setPixel(0, 0, qRgb(0, 128, 0));
    QCOMPARE(KeyColourOf(image, true), kKey);
    QCOMPARE(KeyColourOf(image, false), qRgb(0, 128, 0) & RGB_MASK);
    // The top-left pixel itself is then outside.
    QVERIFY(!BuildRegion(image, KeyColourOf(image, false)).contains(QPoint(0, 0)));
    QVERIFY(BuildRegion(image, KeyColourOf(image, true)).contains(QPoint(0, 0)));
}

void TestBuildRegion::skins_data()
{
    QTest::addColumn<QString>("skin");
    for (const char *skin : {"Digital", "Santa Claus", "Small"})
        QTest::newRow(skin) << QString::fromLatin1(skin);
}

void TestBuildRegion::skins()
{
    QFETCH(QString, skin);
    const SkinProfile profile = SkinProfileOf(skin);
    const QImage back = Load(skin, QStringLiteral("Background.bmp"));
    QVERIFY(!back.isNull());
    const QRgb key = KeyColourOf(back, profile.FixedKey);
    if (skin == QLatin1String("Santa Claus"))
        QVERIFY(key != kKey);

    // A clean outline: the face is one piece with the key only around it, so
    // no key pixel shows the desktop through the middle of the face.
    QCOMPARE(EnclosedKeyPixels(back, key), 0);
    const QRegion region = BuildRegion(back, key);
    QVERIFY(!region.isEmpty());

    // Every picture there, the digits of one size.
    QList<QImage> digits, seconds;
    for (int d = 0; d < 10; ++d) {
        digits << Load(skin, QStringLiteral("hour_%1.bmp").arg(d));
        seconds << (profile.SmallSeconds ? Load(skin, QStringLiteral("Second_%1.bmp").arg(d)) : digits.last());
        QVERIFY(!digits.last().isNull() && !seconds.last().isNull());
        QCOMPARE(digits.last().size(), digits.first().size());
        QCOMPARE(seconds.last().size(), seconds.first().size());
    }
    const QImage am = Load(skin, QStringLiteral("AM.bmp")), pm = Load(skin, QStringLiteral("PM.bmp"));
    const QImage on = Load(skin, QStringLiteral("Colon_ON.bmp")), off = Load(skin, QStringLiteral("Colon_OFF.bmp"));
    for (const QImage &i : {am, pm, on, off})
        QVERIFY(!i.isNull());

    // No seams: in both forms, every picture of the face lies inside the
    // outline, on a ground of its own colour.
    auto sizeOf = [&](FacePicture p) {
        switch (p.set) {
        case FacePicture::Hour:
        case FacePicture::Minute: return digits.first().size();
        case FacePicture::Second: return seconds.first().size();
        case FacePicture::AM: return am.size();
        case FacePicture::PM: return pm.size();
        default: return on.size();
        }
    };
    for (bool is24 : {false, true}) {
        FaceState state;
        ResetFaceLayout(state, profile);
        LayoutFace(state, profile, is24, {23, 59, 59, 100}, sizeOf);
        for (size_t i = 1; i < kFaceSlotCount; ++i) {
            const FaceSlotState &slot = state.Slots[i];
            if (!slot.visible)
                continue;
            const QRect r = slot.Rect();
            QVERIFY2(region.contains(r) && (region & r) == QRegion(r),
                     qPrintable(QStringLiteral("slot %1 at %2,%3 leaves the outline").arg(int(i)).arg(r.x()).arg(r.y())));
            const QImage tile = i == Bit(FaceSlot::Sec1) || i == Bit(FaceSlot::Sec2) ? seconds.first()
                                : i == Bit(FaceSlot::AMorPM)                          ? pm
                                : i >= Bit(FaceSlot::Colon1)                          ? on
                                                                                      : digits.first();
            for (QPoint corner : {QPoint(0, 0), QPoint(tile.width() - 1, tile.height() - 1)})
                QCOMPARE(tile.pixel(corner) & RGB_MASK, back.pixel(r.topLeft() + corner) & RGB_MASK);
        }
    }
}

QTEST_APPLESS_MAIN(TestBuildRegion)
#include "tst_buildregion.moc"
