#pragma once

#include <QString>

class PlaybackEngine;

// The entry points of the sound engine library (lib/libtocsimo-audio.so in the
// program folder). The program opens the library on the first player
// activation and looks these up by name, so GStreamer is loaded only then.
// Nothing crosses back as an exception: failures are results, and the program
// raises its own errors from them.
extern "C" {

// Starts GStreamer. False, with the reason in *error, when it cannot start.
bool TocsimoAudioStart(QString *error);

// Releases GStreamer. No engine may be alive, and it cannot start again.
void TocsimoAudioShutdown();

// A new engine, owned by the caller (delete it before the shutdown); nullptr
// when GStreamer's playback element is missing. GStreamer must be started.
PlaybackEngine *TocsimoAudioCreateEngine();

} // extern "C"

using TocsimoAudioStartFunction = bool (*)(QString *error);
using TocsimoAudioShutdownFunction = void (*)();
using TocsimoAudioCreateEngineFunction = PlaybackEngine *(*)();
