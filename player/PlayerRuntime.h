#pragma once

#include <QString>

#include <functional>
#include <memory>

class PlaybackEngine;

// The sound engine runs in processes of its own (lib/tocsimo-audio in the
// program folder, see RemotePlaybackEngine), started by the first engine
// that needs one, on that engine's own thread: the program itself never
// loads GStreamer, and the user-interface thread never waits for an engine
// to start. Everything here is thread-safe.

// Runs body on a new engine thread. The thread counts as running until body
// has returned and what it holds is gone; it is joined after that, by the
// next start or by the shutdown, so none is left running at exit unseen.
void StartEngineThread(std::function<void()> body);
// Engine threads whose body has not returned yet.
int EngineThreadsRunning();
// Enough for every player and a few renders left hanging in files that do
// not open (each has its own process until its deadline): a player whose
// render hangs does not start another engine beyond this, it waits.
constexpr int kMaxEngineThreads = 8;

// A new engine, on the calling thread, with its process started. Raises
// EDirectShowException when the engine's executable is missing or cannot be
// started, or the runtime was shut down.
std::unique_ptr<PlaybackEngine> OpenPlaybackEngine();

// True once an engine's process was started and until shutdown.
bool PlayerRuntimeStarted();
// True after ShutdownPlayerRuntime: no engine can be opened any more.
bool PlayerRuntimeShutDown();

// Lets no engine open any more, whether or not one ever was. Call once at
// program exit. Engine threads still running (they close their engines, and
// end their processes, themselves) are waited for up to waitMs and joined;
// false if one is still running then (its process ends with the program
// anyway).
bool ShutdownPlayerRuntime(int waitMs = 2000);

// Where the engine's executable is looked for: lib/ in the executable's
// folder. Tests and benchmarks, which run from the build tree outside the
// program folder, get the one the build put in the program folder.
QString AudioHelperPath();
// For tests: run this executable instead; empty restores the usual one.
void SetAudioHelperPath(const QString &path);

// For tests: engines are made by factory (on the engine's thread), with no
// process of their own; an empty function restores the real engine.
using PlaybackEngineFactory = std::function<std::unique_ptr<PlaybackEngine>()>;
void SetPlaybackEngineFactory(PlaybackEngineFactory factory);
