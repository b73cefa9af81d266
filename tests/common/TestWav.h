#pragma once

#include <QByteArray>
#include <QString>

// The one writer of sample sounds for tests: a 440 Hz tone as a plain WAV
// (16-bit PCM, mono), which every sound output here can play.
namespace TestWav {

// The bytes of a WAV file `milliseconds` long.
QByteArray Tone(int milliseconds, int sampleRate = 8000);

// Writes Tone() to `path`; false when the file cannot be written.
bool WriteTone(const QString &path, int milliseconds, int sampleRate = 8000);

} // namespace TestWav
