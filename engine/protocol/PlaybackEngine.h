#pragma once

#include "engine/protocol/FileDescriptor.h"

#include <QString>

#include <cstdint>
#include <functional>

// One audio engine: render a file, run, stop (the position stays), clear,
// duration and positions in units of 100 ns, set positions, and a queue of
// event notices. The engine itself is made on GStreamer in a process of its
// own (GstPlaybackEngine, served by lib/tocsimo-audio); the program holds a
// proxy for it (RemotePlaybackEngine) and knows it only through this
// interface.
//
// Its calls may take as long as the file and the decoder take (a sound on a
// hung network mount blocks in open()), so the player runs each engine on a
// thread of its own (AsyncEngine) and all its calls are made there.
class PlaybackEngine {
public:
    struct Event {
        long code = 0;
        intptr_t param1 = 0;
        intptr_t param2 = 0;
    };

    virtual ~PlaybackEngine() = default;

    // Opens the file and makes it ready to play from its start. The engine
    // holds one sound: a render replaces what it held. The program's engine
    // reads a .wax playlist, opens the sound file its first entry names (or
    // the file itself) for reading and hands it on open (RenderOpenFile).
    virtual int32_t RenderFile(const QString &fileName) = 0;
    // The same for a file already open for reading, which the engine takes
    // over; name is its path, for texts. This is how the engine's process is
    // given every sound: it reads no user's file by its name.
    virtual int32_t RenderOpenFile(FileDescriptor file, const QString &name) = 0;
    // Empties the engine; the next render starts from nothing.
    virtual int32_t Clear() = 0;
    // Plays from the current position; halts playing, leaving the position.
    virtual int32_t Run() = 0;
    virtual int32_t Stop() = 0;

    virtual bool HasSound() const = 0;

    // Positions and lengths in units of 100 ns. False when not known.
    virtual bool GetDuration(int64_t &duration) = 0;
    virtual bool GetCurrentPosition(int64_t &position) const = 0;
    virtual bool GetStopPosition(int64_t &stop) = 0;
    // Moves the playing position to current (absolute). With positionStop false
    // the stop position stays as it is.
    virtual int32_t SetPositions(int64_t current, int64_t stop, bool positionStop) = 0;

    // Output level in hundredths of a decibel, 0 full, -10000 silence.
    virtual void SetVolume(int hundredthsOfDecibel) = 0;
    // The linear gain the engine applies now (1.0 full).
    virtual double OutputGain() const = 0;

    // Fetches the next queued event without waiting; false when none is left.
    virtual bool GetEvent(Event &event) = 0;
    // wakeup is called, from any thread, when the engine has work for its own
    // thread: that thread then calls Dispatch, which may queue events.
    virtual void SetWakeup(std::function<void()> wakeup) = 0;
    virtual void Dispatch() = 0;

    // Brings what the position calls below read up to date; an engine in
    // another process asks for all of it at once here.
    virtual void Refresh() {}
    // A failure found outside any call (the engine's process died holding a
    // sound), once; S_OK when none. The sound it held is gone.
    virtual int32_t TakeFailure() { return 0; }

    // Our text for a code, with what is known of the last failure.
    virtual QString ErrorText(int32_t code) const = 0;
};
