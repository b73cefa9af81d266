#pragma once

#include "player/AudioLibraryEntry.h"

#include <QString>

// The GStreamer half of the player lives in its own library in the program
// folder (lib/libtocsimo-audio.so), opened by the first engine, on that
// engine's own thread (PlayerRuntime.h), so that an idle program never maps
// GStreamer. Once open it stays open.
struct AudioLibrary {
    TocsimoAudioStartFunction start = nullptr;
    TocsimoAudioShutdownFunction shutdown = nullptr;
    TocsimoAudioCreateEngineFunction createEngine = nullptr;
};

// Opens the library on the first call; later calls return the same entry
// points. Raises EDirectShowException, naming the file and the reason, when it
// is missing, cannot be loaded (GStreamer not installed) or lacks an entry
// point; a later call tries again.
const AudioLibrary &LoadAudioLibrary();

bool AudioLibraryLoaded();

// Where the library is looked for: lib/ in the executable's folder. Tests
// and benchmarks, which run from the build tree outside the program folder,
// get the library the build put in the program folder.
QString AudioLibraryPath();

// For tests: look for the library at path instead; empty restores the usual
// place. Only used before the library has been loaded.
void SetAudioLibraryPath(const QString &path);
