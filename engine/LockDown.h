#pragma once

#include <QStringList>

// The engine's process gives up every right a sound never needs before it
// reads the first byte of one, so that a decoder taken over by a hostile file
// can do nothing but fail that sound: no new privileges, ever; the file
// system read-only and only where playback reads (LandlockRuleSet); no
// network, no programs run, no other process reached (SeccompFilter). The
// sounds themselves come as files the program opened.
//
// Call it once, after GStreamer has brought its plug-in registry up to date
// (it may write it, and run its plug-in scanner) and before any other thread
// starts.
namespace LockDown {

// folders: where else playback reads (GStreamer's plug-in folders, the
// sound font's). Returns what the kernel could not apply, empty when all of
// it was; the process plays on either way, and says so once under
// tocsimo.sound.
QStringList Apply(const QStringList &folders);

} // namespace LockDown
