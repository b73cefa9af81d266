#pragma once

#include <QString>

// GStreamer itself, inside the sound engine library. The program reaches
// these through the library's entry points (PlayerRuntime.h).

// gst_init; false with the reason when GStreamer cannot start.
bool StartGStreamer(QString &error);

// gst_deinit; GStreamer cannot start again afterwards.
void StopGStreamer();

// The General MIDI sound font that MIDI files are played with; empty if none
// is installed (the timgm6mb-soundfont package provides one).
QString GeneralMidiSoundFont();
