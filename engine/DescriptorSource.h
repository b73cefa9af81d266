#pragma once

#include <QString>

// A GStreamer source that reads a sound from a file already open, by
// position (pread), as filesrc reads one by its name: with random access,
// so every demuxer and parser works, seeks and learns the length as it does
// on a file it opened itself. (GStreamer's own fdsrc only streams: asfdemux
// cannot seek through it, mp2 and mp3 find no length.)
//
// Elements are made through playbin from a URI of its own scheme,
// tocsimofd://<descriptor>; the descriptor stays the caller's, who closes it
// once the pipeline no longer reads it.
namespace DescriptorSource {

// Registers the element with GStreamer (once; GStreamer must be running).
void Register();

QString Uri(int descriptor);

} // namespace DescriptorSource
