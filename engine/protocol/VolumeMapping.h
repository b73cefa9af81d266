#pragma once

// How the player's volume (0..10000) becomes the engine's level in
// hundredths of a decibel (0 full, -10000 silence). The logarithmic curve
// makes equal volume steps sound like equal steps; the straight one takes
// the volume as hundredths of a decibel below full.
enum class VolumeCurve { Logarithmic, Straight };

int EngineVolume(int volume, VolumeCurve curve);

// The engine's level in hundredths of a decibel as a linear gain factor.
double GainFromEngineVolume(int hundredthsOfDecibel);
