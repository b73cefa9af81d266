#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

// One audio engine: a GStreamer playbin set to play sound only, with software
// volume. It speaks in the operations the sound player is built on: render a
// file, run, stop (the position stays), clear, duration and positions in units
// of 100 ns, set positions, and a queue of event notices.
//
// GStreamer posts its messages on its own threads. A bus sync handler records
// what a render needs to diagnose a failure and queues every other message to
// this object's thread, so nothing depends on which event dispatcher Qt runs.
class PlaybackEngine : public QObject {
    Q_OBJECT

public:
    struct Event {
        long code = 0;
        intptr_t param1 = 0;
        intptr_t param2 = 0;
    };

    // GStreamer must be running (EnsurePlayerRuntime). Check IsValid afterwards.
    explicit PlaybackEngine(QObject *parent = nullptr);
    ~PlaybackEngine() override;

    bool IsValid() const { return playbin_ != nullptr; }

    // Opens the file and makes it ready to play from its start. A .wax playlist
    // is opened and the file its first entry names is rendered instead.
    // The engine holds one sound: a render replaces what it held.
    int32_t RenderFile(const QString &fileName);
    // Empties the engine; the next render starts from nothing.
    int32_t Clear();
    // Plays from the current position; halts playing, leaving the position.
    int32_t Run();
    int32_t Stop();

    bool HasSound() const { return loaded_; }

    // Positions and lengths in units of 100 ns. False when not known.
    bool GetDuration(int64_t &duration);
    bool GetCurrentPosition(int64_t &position) const;
    bool GetStopPosition(int64_t &stop);
    // Moves the playing position to current (absolute). With positionStop false
    // the stop position stays as it is.
    int32_t SetPositions(int64_t current, int64_t stop, bool positionStop);

    // Output level in hundredths of a decibel, 0 full, -10000 silence.
    void SetVolume(int hundredthsOfDecibel);
    int Volume() const { return volume_; }
    // The linear gain the engine applies now (1.0 full).
    double OutputGain() const;

    // Fetches the next queued event without waiting; false when none is left.
    bool GetEvent(Event &event);

    // Our text for a code, with what is known of the last failure.
    QString ErrorText(int32_t code) const;

    // Test seams. The sink factory replaces the audio output of engines made
    // afterwards (nullptr: autoaudiosink). The observer sees every bus message
    // on GStreamer's thread (it must be thread-safe and not keep the message).
    using SinkFactory = std::function<GstElement *()>;
    static void SetAudioSinkFactory(SinkFactory factory);
    using MessageObserver = std::function<void(GstMessage *)>;
    static void SetMessageObserver(MessageObserver observer);

signals:
    // Posted when events were queued: the graph then pumps them.
    void EventNotice();

private:
    struct Shared;
    friend struct BusRelay;

    int32_t Fail(int32_t code, const QString &text);
    int32_t OpenUri(const QString &uri, const QString &shownName);
    int32_t FailFromBus(const QString &shownName);
    int32_t ResolvePlaylist(QString &target);
    void Reset(bool hard);
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
    int volume_ = 0;
    std::deque<Event> events_;
    int32_t lastErrorCode_ = 0;
    QString lastErrorText_;
};
