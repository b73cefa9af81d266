#include "clock/SkinProfile.h"

SkinProfile SkinProfileOf(const QString &skinName)
{
    using S = SkinProfile::Seconds;
    using A = SkinProfile::AmPm;
    if (skinName == SkinNames::Digital)
        return {2, 3, 3, 0, S::Bottom, A::AfterMin_Top, false, true, true};
    if (skinName == SkinNames::SantaClaus)
        return {181, 36, 43, 2, S::Normal, A::AfterSec, true, false, false};
    return {4, 3, 13, 0, S::Normal, A::AfterSec, true, false, true};
}
