#include "engine/protocol/EngineCodes.h"

QString EngineCodeText(int32_t code)
{
    switch (code) {
    case S_OK:
        return QStringLiteral("Success");
    case S_FALSE:
        return QStringLiteral("Nothing was done");
    case EngineCode::FileNotFound:
        return QStringLiteral("The sound file cannot be found");
    case EngineCode::CannotOpen:
        return QStringLiteral("The sound file cannot be opened");
    case EngineCode::EmptyFile:
        return QStringLiteral("The sound file is empty");
    case EngineCode::NotAudio:
        return QStringLiteral("The file holds no sound that can be played");
    case EngineCode::BadFormat:
        return QStringLiteral("The sound file is damaged or in a format that cannot be played");
    case EngineCode::MissingDecoder:
        return QStringLiteral("The decoder this sound needs is not installed");
    case EngineCode::PlaylistEntryMissing:
        return QStringLiteral("The playlist names a sound file that cannot be found");
    case EngineCode::BadPlaylist:
        return QStringLiteral("The playlist names no sound to play");
    case EngineCode::EngineUnavailable:
        return QStringLiteral("The sound engine cannot be started (GStreamer's playbin element is missing)");
    case EngineCode::OpenTimeout:
        return QStringLiteral("The sound file took too long to open");
    case EngineCode::PlaybackFailed:
        return QStringLiteral("The sound cannot be played");
    case EngineCode::NothingLoaded:
        return QStringLiteral("No sound is loaded");
    case EngineCode::PlaylistTooLarge:
        return QStringLiteral("The playlist is too large to be read");
    default:
        return Failed(code) ? QStringLiteral("Unknown sound engine error")
                            : QStringLiteral("Success");
    }
}
