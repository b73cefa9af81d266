#include "player/AudioLibraryEntry.h"

#include "player/GstPlaybackEngine.h"
#include "player/GstRuntime.h"

bool TocsimoAudioStart(QString *error)
{
    return StartGStreamer(*error);
}

void TocsimoAudioShutdown()
{
    StopGStreamer();
}

PlaybackEngine *TocsimoAudioCreateEngine()
{
    auto *engine = new GstPlaybackEngine;
    if (!engine->IsValid()) {
        delete engine;
        return nullptr;
    }
    return engine;
}
