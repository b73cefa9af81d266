#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Plain WAV files (16-bit PCM, mono) for tests: a 440 Hz tone, which every
// sound output here can play, written with the chimes' writer, and the
// samples of such a file as a player would hear them.
namespace TestWav {

// The bytes of a WAV file `milliseconds` long.
QByteArray Tone(int milliseconds, int sampleRate = 8000);

// Writes Tone() to `path`; false when the file cannot be written.
bool WriteTone(const QString &path, int milliseconds, int sampleRate = 8000);

struct Wave {
    int rate = 0;                // 0 when the file is no such WAV
    std::vector<double> samples; // -1..1
};

// The samples of a 16-bit PCM mono WAV file with the usual 44-byte header.
Wave Read(const QString &path);

} // namespace TestWav
