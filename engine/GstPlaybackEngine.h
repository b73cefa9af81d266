#pragma once

#include "engine/protocol/EventQueue.h"
#include "engine/protocol/LastFailure.h"
#include "engine/protocol/PlaybackEngine.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

// The engine on GStreamer: one playbin set to play sound only, with software
// volume, reading each sound from the open file it is given (DescriptorSource). Lives in the sound engine's process (lib/tocsimo-audio), one per
// process, served to the program by EngineServer.
//
// GStreamer posts its messages on its own threads. A bus sync handler records
// what a render needs to diagnose a failure and queues every other message for
// the engine's own thread, which it wakes to Dispatch them; no event loop is
// needed there. Nothing here throws: every failure is a code, with its text in
// ErrorText.
class GstPlaybackEngine : public PlaybackEngine {
public:
    // GStreamer must be running (StartGStreamer). Check IsValid afterwards.
    GstPlaybackEngine();
    ~GstPlaybackEngine() override;

    bool IsValid() const { return playbin_ != nullptr; }

    // Opens the file itself: for engines in a process that may (tests).
    int32_t RenderFile(const QString &fileName) override;
    int32_t RenderOpenFile(FileDescriptor file, const QString &name) override;
    int32_t Clear() override;
    int32_t Run() override;
    int32_t Stop() override;
    bool HasSound() const override { return loaded_; }

    bool GetDuration(int64_t &duration) override;
    bool GetCurrentPosition(int64_t &position) const override;
    bool GetStopPosition(int64_t &stop) override;
    int32_t SetPositions(int64_t current, int64_t stop, bool positionStop) override;

    void SetVolume(int hundredthsOfDecibel) override;
    double OutputGain() const override;

    bool GetEvent(Event &event) override;
    void SetWakeup(std::function<void()> wakeup) override;
    void Dispatch() override;

    QString ErrorText(int32_t code) const override;

    // Test seams. The sink factory replaces the audio output of engines made
    // afterwards (nullptr: autoaudiosink). The observer sees every bus message
    // on GStreamer's thread (it must be thread-safe and not keep the message).
    using SinkFactory = std::function<GstElement *()>;
    static void SetAudioSinkFactory(SinkFactory factory);
    using MessageObserver = std::function<void(GstMessage *)>;
    static void SetMessageObserver(MessageObserver observer);

private:
    struct Shared;
    friend struct BusRelay;

    int32_t OpenUri(const QString &uri, const QString &shownName);
    int32_t FailFromBus(const QString &shownName);
    void Reset(bool hard);
    // The sound's own state, as a fresh render (or nothing) has it.
    void ResetPlayback(bool loaded);
    void HandleMessage(GstMessage *message, unsigned generation);
    void QueueEvent(long code, intptr_t param1 = 0, intptr_t param2 = 0);
    bool QueryDuration(int64_t &ns) const;

    GstElement *playbin_ = nullptr;
    std::shared_ptr<Shared> shared_;
    bool loaded_ = false;
    bool atEnd_ = false;
    int64_t endPosition_ = -1; // ns; the position at which the end was reached
    int64_t explicitStop_ = -1; // ns; -1: play to the end
    int64_t durationCache_ = -1; // ns; -1: ask the engine
    int64_t durationAskedAt_ = 0; // ms on the monotonic clock
    QString shownName_; // the file last rendered, for error texts
    FileDescriptor file_; // the sound the pipeline reads, while one is loaded
    EventQueue events_;
    LastFailure failure_;
};
