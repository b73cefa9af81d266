#pragma once

#include <QString>

// Where a skin places its pictures, in pixels of the clock's client area.
struct SkinProfile {
    enum class Seconds { Bottom, Normal };
    enum class AmPm { AfterMin_Top, AfterSec };

    int DigitTop = 0;
    int StartLeft12 = 0;
    int StartLeft24 = 0;
    int AmPmDrop = 0;
    Seconds SecondsPlacement = Seconds::Normal;
    AmPm AmPmPlacement = AmPm::AfterSec;
    bool ShowColon2 = false;
    bool SmallSeconds = false;
    bool FixedKey = false; // key colour pure red; otherwise the background's top-left pixel
};

// The profile of a known skin ("Digital", "Santa Claus", "Small"); an unknown
// name gets the profile of "Small".
SkinProfile SkinProfileOf(const QString &skinName);

// The skins the program knows, and the one it starts with.
namespace SkinNames {
inline const QString Digital = QStringLiteral("Digital");
inline const QString SantaClaus = QStringLiteral("Santa Claus");
inline const QString Small = QStringLiteral("Small");
} // namespace SkinNames
