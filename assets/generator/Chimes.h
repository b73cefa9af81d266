#pragma once

#include <QByteArray>
#include <vector>

// The five chimes, synthesised: 44.1 kHz mono 16-bit WAV files, each under
// two seconds, brought to one loudness, faded in and out so they start and
// end without a click.
namespace Chimes {
constexpr int kRate = 44100;

std::vector<float> Chime();   // three bell strikes, high to low
std::vector<float> Mac();     // a warm major chord
std::vector<float> Rooster(); // a cock-a-doodle-doo
std::vector<float> Boom();    // a deep drum
std::vector<float> YeeHaa();  // a cowboy's shout

// Loudness as heard (gated, ear-weighted) to one level, peaks kept below
// full scale, edges faded.
std::vector<float> Finish(std::vector<float> samples);
} // namespace Chimes
