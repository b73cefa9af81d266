#pragma once

// Turns the player's volume (0..10000) into the engine's level in hundredths of
// a decibel (0 full, -10000 silence). The logarithmic curve, used when
// linearVolume is true, makes equal volume steps sound like equal steps.
int EngineVolume(int volume, bool linearVolume);

// The engine's level in hundredths of a decibel as a linear gain factor.
double GainFromEngineVolume(int hundredthsOfDecibel);
