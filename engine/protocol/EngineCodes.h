#pragma once

#include <QString>
#include <cstdint>

// Result codes of the playback engine, in the COM style the windows expect:
// a code with the high bit set is a failure, anything else succeeded.
constexpr int32_t S_OK = 0;
constexpr int32_t S_FALSE = 1;

namespace EngineCode {
// The file named is not there.
constexpr int32_t FileNotFound = int32_t(0x80070002);
// The file is there but cannot be read: a folder, no permission.
constexpr int32_t CannotOpen = int32_t(0x80070005);
constexpr int32_t EmptyFile = int32_t(0x80040301);
// Not a sound at all: a text file, a picture, a video without sound.
constexpr int32_t NotAudio = int32_t(0x80040302);
// Looks like a sound file but is damaged, or in a form no decoder takes.
constexpr int32_t BadFormat = int32_t(0x80040303);
// The format is known but its decoder is not installed.
constexpr int32_t MissingDecoder = int32_t(0x80040304);
// A .wax playlist whose entry names a file that is not there.
constexpr int32_t PlaylistEntryMissing = int32_t(0x80040305);
// A .wax playlist that names nothing playable.
constexpr int32_t BadPlaylist = int32_t(0x80040306);
// The GStreamer playback element could not be created.
constexpr int32_t EngineUnavailable = int32_t(0x80040307);
// The sound did not become ready to play in time.
constexpr int32_t OpenTimeout = int32_t(0x80040308);
// Playing failed for another reason (the audio output, an engine fault).
constexpr int32_t PlaybackFailed = int32_t(0x80040309);
// A seek or position call with no sound loaded.
constexpr int32_t NothingLoaded = int32_t(0x8004030A);
// A .wax playlist too large to be one (it is not read).
constexpr int32_t PlaylistTooLarge = int32_t(0x8004030B);
} // namespace EngineCode

// Event codes passed from the engine to the graph's listeners.
namespace EngineEventCode {
constexpr long Complete = 0x01;      // the sound reached its end
constexpr long ErrorAbort = 0x03;    // playing stopped on an error; param1 is the code
} // namespace EngineEventCode

inline bool Failed(int32_t code)
{
    return code < 0;
}

// Our readable text for a code, with no detail about the file involved.
QString EngineCodeText(int32_t code);
