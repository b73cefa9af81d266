#pragma once

#include <functional>
#include <memory>

class PlaybackEngine;

// GStreamer is loaded and started by the first engine that needs it, on that
// engine's own thread, not at program start: start-up stays light, and the
// user-interface thread never waits for the library to load or for
// GStreamer's first start (which may scan every plug-in for seconds).
// Everything here is thread-safe.

// A new engine, on the calling thread, with GStreamer loaded and started if
// needed (this may take seconds). Raises EDirectShowException when the sound
// engine library cannot be loaded, GStreamer cannot start, it has no playback
// element, or the runtime was shut down. Pass it to ClosePlaybackEngine.
std::unique_ptr<PlaybackEngine> OpenPlaybackEngine();
void ClosePlaybackEngine(std::unique_ptr<PlaybackEngine> engine);

// True once GStreamer was started and until shutdown.
bool PlayerRuntimeStarted();
// True after ShutdownPlayerRuntime: no engine can be opened any more.
bool PlayerRuntimeShutDown();

// Releases GStreamer (gst_deinit) if it was started; loads nothing if it was
// not. Call once at program exit. Engines still open (they close on their own
// threads) and a start under way are waited for up to waitMs; if one is still
// busy then, false: the release happens when the last engine closes, and a
// program that is ending should not wait for it.
bool ShutdownPlayerRuntime(int waitMs = 2000);

// For tests: engines are made by factory (on the engine's thread), without
// GStreamer; an empty function restores the real engine.
using PlaybackEngineFactory = std::function<std::unique_ptr<PlaybackEngine>()>;
void SetPlaybackEngineFactory(PlaybackEngineFactory factory);
