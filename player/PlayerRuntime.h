#pragma once

#include <memory>

class PlaybackEngine;

// GStreamer is loaded and started on the first player activation, not at
// program start, so start-up stays light. Raises EDirectShowException when the
// sound engine library cannot be loaded or GStreamer cannot start.
void EnsurePlayerRuntime();

// True once EnsurePlayerRuntime has succeeded and until shutdown.
bool PlayerRuntimeStarted();

// A new engine; nullptr when GStreamer has no playback element. The runtime
// must be started.
std::unique_ptr<PlaybackEngine> CreatePlaybackEngine();

// Releases GStreamer (gst_deinit) if it was started; loads nothing if it was
// not. Call once at program exit; if a player is still active then, the
// release waits until it deactivates. The player cannot be activated again
// afterwards.
void ShutdownPlayerRuntime();

// Held by each active player, so that GStreamer outlives every engine.
void RetainPlayerRuntime();
void ReleasePlayerRuntime();
