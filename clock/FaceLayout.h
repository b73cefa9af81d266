#pragma once

#include "clock/SkinProfile.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>

// The picture Slots of the clock face, bottom to top.
enum class FaceSlot { Back, Hour1, Hour2, Min1, Min2, Sec1, Sec2, AMorPM, Colon1, Colon2 };
constexpr int kFaceSlotCount = 10;

// One of a skin's loaded pictures.
struct FacePicture {
    enum Set { None, Background, Hour, Minute, Second, AM, PM, ColonOn, ColonOff };
    Set set = None;
    int digit = 0; // for Hour, Minute and Second
    bool operator==(const FacePicture &) const = default;
};

struct FaceSlotState {
    FacePicture picture;
    QSize size; // the slot sizes itself to its picture as it was when put in
    QPoint pos;
    bool visible = true;
    QRect Rect() const { return {pos, size}; }
};

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0, ms = 0;
};

// What the face shows and what it last drew. A Last value of 1000 means
// nothing drawn yet, so the next render chooses every picture afresh.
struct FaceState {
    static constexpr uint16_t kNothing = 1000;
    std::array<FaceSlotState, kFaceSlotCount> Slots;
    uint16_t LastHour = kNothing, LastMinute = kNothing, LastSecond = kNothing, LastPm = kNothing;

    FaceSlotState &operator[](FaceSlot s) { return Slots[static_cast<size_t>(s)]; }
    const FaceSlotState &operator[](FaceSlot s) const { return Slots[static_cast<size_t>(s)]; }
};

using FaceSlots = std::bitset<kFaceSlotCount>;
inline size_t Bit(FaceSlot s) { return static_cast<size_t>(s); }

// The size of a picture as loaded now.
using PictureSizes = std::function<QSize(FacePicture)>;

// Forgets what was drawn, so the next render chooses every picture again. A
// skin without a second colon has that slot hidden.
void ResetFaceLayout(FaceState &state, const SkinProfile &profile);

// Lays out the face for a time of day: the pictures of the Slots whose value
// changed since the last render (and of the colons, every time), every slot's
// position, the AM/PM mark's visibility. Returns the Slots given a picture.
FaceSlots LayoutFace(FaceState &state, const SkinProfile &profile, bool is24Hour, const TimeOfDay &time,
                     const PictureSizes &sizeOf);
