#pragma once

#include <QString>
#include <QStringList>

// GStreamer itself, inside the sound engine's process (lib/tocsimo-audio).

// gst_init; false with the reason when GStreamer cannot start.
bool StartGStreamer(QString &error);

// The General MIDI sound font that MIDI files are played with; empty if none
// is installed (the timgm6mb-soundfont package provides one).
QString GeneralMidiSoundFont();

// Where playback reads besides the system's folders: the folders of
// GStreamer's plug-ins (a user's own among them) and the sound font's.
QStringList PlaybackFolders();
