#include "clock/FaceLayout.h"

namespace {
struct Layout {
    FaceState &state;
    const PictureSizes &sizeOf;
    FaceSlots given;

    void Put(FaceSlot slot, FacePicture picture)
    {
        state[slot].picture = picture;
        state[slot].size = sizeOf(picture);
        given.set(Bit(slot));
    }
    // Places a slot at (x, top) and moves x past it.
    void Place(FaceSlot slot, int &x, int top)
    {
        state[slot].pos = QPoint(x, top);
        x += state[slot].size.width();
    }
};
} // namespace

void ResetFaceLayout(FaceState &state, const SkinProfile &profile)
{
    state.LastHour = state.LastMinute = state.LastSecond = state.LastPm = FaceState::kNothing;
    // The second colon is never placed by a skin without one: hidden, it
    // cannot linger from the skin before.
    state[FaceSlot::Colon2].visible = profile.ShowColon2;
}

FaceSlots LayoutFace(FaceState &state, const SkinProfile &p, bool is24Hour, const TimeOfDay &t,
                     const PictureSizes &sizeOf)
{
    Layout l{state, sizeOf, {}};
    const FacePicture colon{t.ms <= 500 ? FacePicture::ColonOn : FacePicture::ColonOff};
    int x = is24Hour ? p.StartLeft24 : p.StartLeft12;

    if (t.hour != state.LastHour) {
        int h = t.hour;
        if (!is24Hour && h > 12)
            h -= 12;
        l.Put(FaceSlot::Hour1, {FacePicture::Hour, h / 10});
        l.Put(FaceSlot::Hour2, {FacePicture::Hour, h % 10});
    }
    l.Place(FaceSlot::Hour1, x, p.DigitTop);
    l.Place(FaceSlot::Hour2, x, p.DigitTop);

    l.Put(FaceSlot::Colon1, colon);
    l.Place(FaceSlot::Colon1, x, p.DigitTop);

    if (t.minute != state.LastMinute) {
        l.Put(FaceSlot::Min1, {FacePicture::Minute, t.minute / 10});
        l.Put(FaceSlot::Min2, {FacePicture::Minute, t.minute % 10});
    }
    l.Place(FaceSlot::Min1, x, p.DigitTop);
    l.Place(FaceSlot::Min2, x, p.DigitTop);

    if (p.ShowColon2) {
        l.Put(FaceSlot::Colon2, colon);
        state[FaceSlot::Colon2].visible = true;
        l.Place(FaceSlot::Colon2, x, p.DigitTop);
    }

    if (t.second != state.LastSecond) {
        l.Put(FaceSlot::Sec1, {FacePicture::Second, t.second / 10});
        l.Put(FaceSlot::Sec2, {FacePicture::Second, t.second % 10});
    }
    const int secondsTop = p.SecondsPlacement == SkinProfile::Seconds::Normal
                               ? p.DigitTop
                               : p.DigitTop + state[FaceSlot::Min1].size.height() - state[FaceSlot::Sec1].size.height();
    l.Place(FaceSlot::Sec1, x, secondsTop);
    l.Place(FaceSlot::Sec2, x, secondsTop);

    const uint16_t pm = t.hour >= 12 ? 1 : 0;
    FaceSlotState &mark = state[FaceSlot::AMorPM];
    mark.visible = !is24Hour;
    if (!is24Hour && pm != state.LastPm)
        l.Put(FaceSlot::AMorPM, {pm ? FacePicture::PM : FacePicture::AM});
    if (p.AmPmPlacement == SkinProfile::AmPm::AfterMin_Top)
        mark.pos = QPoint(state[FaceSlot::Min2].pos.x() + state[FaceSlot::Min2].size.width(), p.DigitTop);
    else
        mark.pos = QPoint(x + 1, p.DigitTop + p.AmPmDrop);

    state.LastHour = static_cast<uint16_t>(t.hour);
    state.LastMinute = static_cast<uint16_t>(t.minute);
    state.LastSecond = static_cast<uint16_t>(t.second);
    state.LastPm = pm;
    return l.given;
}
