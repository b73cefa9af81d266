// Which picture each face slot shows and where, for each skin's profile, with
// pictures of known sizes: hour digits 10 x 20, small seconds 6 x 12, colons
// 4 x 20, AM 9 x 8, PM 11 x 8.
#include "clock/FaceLayout.h"

#include <QTest>

namespace {
QSize SizeOf(FacePicture p)
{
    switch (p.set) {
    case FacePicture::Hour:
    case FacePicture::Minute: return {10, 20};
    case FacePicture::Second: return {6, 12}; // only "Digital" has small seconds; the others use its size too
    case FacePicture::ColonOn:
    case FacePicture::ColonOff: return {4, 20};
    case FacePicture::AM: return {9, 8};
    case FacePicture::PM: return {11, 8};
    default: return {};
    }
}

// The seconds of skins without small seconds are hour pictures: the test
// sizes them as the program would, from the set the slot shows.
PictureSizes Sizes(bool smallSeconds)
{
    return [smallSeconds](FacePicture p) {
        if (p.set == FacePicture::Second && !smallSeconds)
            return QSize(10, 20);
        return SizeOf(p);
    };
}

const FaceSlot kDigits[] = {FaceSlot::Hour1, FaceSlot::Hour2, FaceSlot::Min1, FaceSlot::Min2, FaceSlot::Sec1, FaceSlot::Sec2};

struct Expected {
    // Left edges of Hour1, Hour2, Colon1, Min1, Min2, Colon2 (-1: not placed), Sec1, Sec2.
    QList<int> lefts;
    int digitTop, secondsTop;
    QPoint mark;
};
} // namespace

class TestFaceLayout : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void picturesChangeOnlyWithTheirValue();
    void secondColonOfAnEarlierSkinIsHidden();
};

void TestFaceLayout::layout_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<bool>("is24");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("mark"); // -1 hidden, 0 AM, 1 PM

    const struct {
        QTime time;
        const char *digits12, *digits24;
        int mark;
    } times[] = {
        {QTime(0, 5, 9), "000509", "000509", 0}, // midnight reads 00, not 12
        {QTime(12, 0, 0), "120000", "120000", 1},
        {QTime(13, 7, 0), "010700", "130700", 1},
        {QTime(23, 59, 59), "115959", "235959", 1},
    };
    for (const char *skin : {"Digital", "Santa Claus", "Small"})
        for (const auto &t : times)
            for (bool is24 : {false, true})
                for (int ms : {500, 501})
                    QTest::addRow("%s %s %s ms %d", skin, qPrintable(t.time.toString()), is24 ? "24h" : "12h", ms)
                        << QString::fromLatin1(skin) << is24 << t.time.addMSecs(ms)
                        << QString::fromLatin1(is24 ? t.digits24 : t.digits12) << (is24 ? -1 : t.mark);
}

void TestFaceLayout::layout()
{
    QFETCH(QString, skin);
    QFETCH(bool, is24);
    QFETCH(QTime, time);
    QFETCH(QString, digits);
    QFETCH(int, mark);

    // Worked out by hand from each skin's profile.
    Expected e;
    if (skin == "Digital")
        e = {{3, 13, 23, 27, 37, -1, 47, 53}, 2, 2 + 20 - 12, {47, 2}};
    else if (skin == "Santa Claus")
        e = is24 ? Expected{{43, 53, 63, 67, 77, 87, 91, 101}, 181, 181, {112, 183}}
                 : Expected{{36, 46, 56, 60, 70, 80, 84, 94}, 181, 181, {105, 183}};
    else
        e = is24 ? Expected{{13, 23, 33, 37, 47, 57, 61, 71}, 4, 4, {82, 4}}
                 : Expected{{3, 13, 23, 27, 37, 47, 51, 61}, 4, 4, {72, 4}};

    const SkinProfile profile = SkinProfileOf(skin);
    FaceState state;
    ResetFaceLayout(state, profile);
    LayoutFace(state, profile, is24, {time.hour(), time.minute(), time.second(), time.msec()}, Sizes(profile.SmallSeconds));

    for (int i = 0; i < 6; ++i) {
        const FaceSlotState &slot = state[kDigits[i]];
        const FacePicture::Set set = i < 2 ? FacePicture::Hour : i < 4 ? FacePicture::Minute : FacePicture::Second;
        QCOMPARE(slot.picture, (FacePicture{set, digits[i].digitValue()}));
    }
    const FaceSlot placed[] = {FaceSlot::Hour1, FaceSlot::Hour2, FaceSlot::Colon1, FaceSlot::Min1,
                               FaceSlot::Min2, FaceSlot::Colon2, FaceSlot::Sec1, FaceSlot::Sec2};
    for (int i = 0; i < 8; ++i) {
        if (e.lefts[i] < 0)
            continue;
        const bool seconds = placed[i] == FaceSlot::Sec1 || placed[i] == FaceSlot::Sec2;
        QCOMPARE(state[placed[i]].pos, QPoint(e.lefts[i], seconds ? e.secondsTop : e.digitTop));
    }

    // 500 ms itself still shows the lit colon.
    const FacePicture colon{time.msec() <= 500 ? FacePicture::ColonOn : FacePicture::ColonOff};
    QCOMPARE(state[FaceSlot::Colon1].picture, colon);
    QCOMPARE(state[FaceSlot::Colon2].visible, profile.ShowColon2);
    if (profile.ShowColon2)
        QCOMPARE(state[FaceSlot::Colon2].picture, colon);

    const FaceSlotState &amPm = state[FaceSlot::AMorPM];
    QCOMPARE(amPm.visible, mark >= 0);
    QCOMPARE(amPm.pos, e.mark);
    if (mark >= 0)
        QCOMPARE(amPm.picture, FacePicture{mark ? FacePicture::PM : FacePicture::AM});
}

void TestFaceLayout::picturesChangeOnlyWithTheirValue()
{
    const SkinProfile profile = SkinProfileOf(QStringLiteral("Small"));
    const PictureSizes sizes = Sizes(false);
    FaceState state;
    ResetFaceLayout(state, profile);
    FaceSlots given = LayoutFace(state, profile, false, {11, 59, 58, 100}, sizes);
    QCOMPARE(given.count(), size_t(kFaceSlotCount - 1)); // all but the background

    auto only = [](std::initializer_list<FaceSlot> list) {
        FaceSlots set;
        for (FaceSlot s : list)
            set.set(Bit(s));
        return set;
    };
    // The colons are put in at every render; digits only when their value changed.
    QCOMPARE(LayoutFace(state, profile, false, {11, 59, 58, 600}, sizes), only({FaceSlot::Colon1, FaceSlot::Colon2}));
    QCOMPARE(LayoutFace(state, profile, false, {11, 59, 59, 100}, sizes),
             only({FaceSlot::Colon1, FaceSlot::Colon2, FaceSlot::Sec1, FaceSlot::Sec2}));
    // Noon: every digit and the mark.
    given = LayoutFace(state, profile, false, {12, 0, 0, 100}, sizes);
    QCOMPARE(given, FaceSlots().set().reset(Bit(FaceSlot::Back)));
    QCOMPARE(state[FaceSlot::AMorPM].picture, FacePicture{FacePicture::PM});

    // In 24-hour form the mark is hidden and keeps its picture; back in AM/PM
    // form after a reset it is chosen again.
    ResetFaceLayout(state, profile);
    LayoutFace(state, profile, true, {9, 0, 0, 100}, sizes);
    QVERIFY(!state[FaceSlot::AMorPM].visible);
    QCOMPARE(state[FaceSlot::AMorPM].picture, FacePicture{FacePicture::PM});
    ResetFaceLayout(state, profile);
    LayoutFace(state, profile, false, {9, 0, 0, 100}, sizes);
    QVERIFY(state[FaceSlot::AMorPM].visible);
    QCOMPARE(state[FaceSlot::AMorPM].picture, FacePicture{FacePicture::AM});
}

void TestFaceLayout::secondColonOfAnEarlierSkinIsHidden()
{
    FaceState state;
    const SkinProfile small = SkinProfileOf(QStringLiteral("Small"));
    ResetFaceLayout(state, small);
    LayoutFace(state, small, false, {10, 0, 0, 100}, Sizes(false));
    QVERIFY(state[FaceSlot::Colon2].visible);

    const SkinProfile digital = SkinProfileOf(QStringLiteral("Digital"));
    ResetFaceLayout(state, digital);
    LayoutFace(state, digital, false, {10, 0, 0, 100}, Sizes(true));
    QVERIFY(!state[FaceSlot::Colon2].visible);
}

QTEST_APPLESS_MAIN(TestFaceLayout)
#include "tst_facelayout.moc"
