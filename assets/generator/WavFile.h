#pragma once

#include <QByteArray>

#include <vector>

// The one writer of WAV files: the chimes, and the sample sounds of the tests.
namespace WavFile {

// A 16-bit PCM mono WAV file of the samples (-1..1, beyond is clipped).
QByteArray Pcm16Mono(const std::vector<float> &samples, int rate);

} // namespace WavFile
