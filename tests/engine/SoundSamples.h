#pragma once

#include <QByteArray>
#include <QString>

// Sample sounds for the player's tests and benchmark, made on the spot: tones
// through GStreamer's encoders, and the simple formats written byte by byte.
// GStreamer must be running (StartGStreamer).
namespace SoundSamples {

// gst_init in the test itself; the player's own start later does nothing more.
void StartGStreamer();

// A 440 Hz tone at half scale (-6 dBFS), 44.1 kHz stereo, `ms` long (a
// multiple of 10), through `encoder` (e.g. "wavenc", "avenc_wmav2 ! asfmux").
bool EncodeTone(const QString &path, int ms, const QString &encoder, QString *error = nullptr);

// Sun/NeXT audio, 8 kHz mono: 16-bit linear PCM, or 8-bit mu-law.
bool WriteAu(const QString &path, int ms, bool muLaw);

// A standard MIDI file holding one piano chord `ms` long; with rmi true it is
// wrapped in a RIFF RMID file.
bool WriteMidi(const QString &path, int ms, bool rmi);

bool WriteBytes(const QString &path, const QByteArray &bytes);

// Runs a gst-launch style pipeline to its end (to make pictures and videos).
bool RunPipeline(const QString &description, QString *error = nullptr);

} // namespace SoundSamples
