#pragma once

#include "engine/protocol/FileDescriptor.h"

#include <QString>

class PlaybackEngine;

// Plays a sound on an engine in this process, the way the engine's process
// does (its wake-ups run Dispatch), until the engine reports the end. False
// when the sound cannot start, fails while playing, or has not ended within
// timeoutMs.
bool PlayToEnd(PlaybackEngine &engine, const QString &path, int timeoutMs);
// The same for a sound already open, as the engine's process is given one.
bool PlayOpenFileToEnd(PlaybackEngine &engine, FileDescriptor file, int timeoutMs);
