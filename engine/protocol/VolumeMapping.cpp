#include "engine/protocol/VolumeMapping.h"

#include <algorithm>
#include <cmath>

int EngineVolume(int volume, VolumeCurve curve)
{
    const int v = std::clamp(volume, 0, 10000);
    if (curve == VolumeCurve::Straight)
        return v - 10000;
    // std::nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(1085.73 * std::log(v + 1.0))) - 10000;
}

double GainFromEngineVolume(int hundredthsOfDecibel)
{
    if (hundredthsOfDecibel <= -10000)
        return 0.0;
    return std::pow(10.0, std::min(hundredthsOfDecibel, 0) / 2000.0);
}
