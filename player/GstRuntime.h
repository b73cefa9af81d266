#pragma once

#include <QString>

// GStreamer is started on the first player activation, not at program start,
// so start-up stays light. Raises EDirectShowException when it cannot start.
void EnsurePlayerRuntime();

// True once EnsurePlayerRuntime has succeeded and until shutdown.
bool PlayerRuntimeStarted();

// Releases GStreamer (gst_deinit) if it was started. Call once at program exit;
// if a player is still active then, the release waits until it deactivates.
// The player cannot be activated again afterwards.
void ShutdownPlayerRuntime();

// Held by each active player, so that GStreamer outlives every engine.
void RetainPlayerRuntime();
void ReleasePlayerRuntime();

// The General MIDI sound font that MIDI files are played with; empty if none
// is installed (the timgm6mb-soundfont package provides one).
QString GeneralMidiSoundFont();
