#pragma once

#include <QString>

// GStreamer is started on the first player activation, not at program start,
// so start-up stays light. Raises EDirectShowException when it cannot start.
void EnsurePlayerRuntime();

// True once EnsurePlayerRuntime has succeeded and until shutdown.
bool PlayerRuntimeStarted();

// Releases GStreamer (gst_deinit) if it was started. Call once at program exit,
// after every TFilterGraph is gone; the player cannot be used again afterwards.
void ShutdownPlayerRuntime();

// The General MIDI sound font that MIDI files are played with; empty if none
// is installed (the timgm6mb-soundfont package provides one).
QString GeneralMidiSoundFont();
