#pragma once

#include "engine/protocol/EngineProtocol.h"
#include "engine/protocol/EventQueue.h"
#include "engine/protocol/LastFailure.h"
#include "engine/protocol/PlaybackEngine.h"
#include "player/AudioHelperProcess.h"

#include <QString>


// The engine as the program holds it: a proxy for a GStreamer engine in a
// process of its own (lib/tocsimo-audio), so that no sound file, decoder or
// plug-in can crash the program or keep its memory, and the program itself
// never loads GStreamer. Each proxy has its own process, as each player has
// its own engine: a file that kills one process silences only that player.
//
// Every call is a request and a wait for its answer, with a deadline; the
// player makes them on the engine's own thread (AsyncEngine), never on the
// user-interface thread. A process that dies, hangs past a deadline or
// answers nonsense is killed and reaped; if it held a sound, that sound has
// failed (the failing call's code, or TakeFailure). The next render starts a
// new process.
//
// The process ends by itself when it has been idle a while (kIdleExitMs in
// the engine process). The proxy remembers the sound it held and, when
// asked to play or move it again, starts a new process and opens it there.
class RemotePlaybackEngine : public PlaybackEngine {
public:
    explicit RemotePlaybackEngine(QString executable);
    ~RemotePlaybackEngine() override;

    // Starts the process; false with the reason when it cannot be made.
    bool Start(QString &error);

    int32_t RenderFile(const QString &fileName) override;
    int32_t RenderOpenFile(FileDescriptor file, const QString &name) override;
    int32_t Clear() override;
    int32_t Run() override;
    int32_t Stop() override;
    bool HasSound() const override { return state_.loaded; }

    bool GetDuration(int64_t &duration) override;
    bool GetCurrentPosition(int64_t &position) const override;
    bool GetStopPosition(int64_t &stop) override;
    int32_t SetPositions(int64_t current, int64_t stop, bool positionStop) override;

    void SetVolume(int hundredthsOfDecibel) override;
    double OutputGain() const override { return state_.gain; }

    bool GetEvent(Event &event) override;
    void SetWakeup(std::function<void()> wakeup) override;
    void Dispatch() override;
    void Refresh() override;
    int32_t TakeFailure() override;

    QString ErrorText(int32_t code) const override;

    // Deadlines for an answer. Opening a file: GStreamer's own limit (10 s)
    // and a margin; the first answer of a new process: a plug-in registry
    // being rebuilt on a slow machine.
    static constexpr int kRenderDeadlineMs = 15000;
    static constexpr int kStartDeadlineMs = 30000;
    static constexpr int kAnswerDeadlineMs = 5000;
    // For tests: shorter deadlines for opening a file and for any other
    // answer in engines made afterwards; 0 restores the above.
    static void SetDeadlines(int renderMs, int answerMs);

private:
    enum class Outcome { Answered, Gone, Lost };

    // One request and its reply; events on the way are queued. file, if
    // valid, goes along with the request.
    Outcome Call(EngineProtocol::Message request, EngineProtocol::Message &reply, int deadlineMs, int file = -1);
    // Call, with a new process if the last one ended by itself (restoring
    // the sound it held if restore is true).
    Outcome CallStarting(const EngineProtocol::Message &request, EngineProtocol::Message &reply, int deadlineMs,
                         bool restore, int file = -1);
    // Starts a process and gives it the volume.
    bool StartProcess();
    // The process has ended: takes what it said last.
    Outcome Drain();
    bool AwaitReady();
    // Opens the sound held again, at position, in a new process.
    bool Restore(int64_t position);
    void Lose(const QString &what, int32_t code);
    int32_t Answer(const EngineProtocol::Message &reply);
    int32_t LostCode() const;

    int renderDeadlineMs_;
    int answerDeadlineMs_;
    QString executable_;
    AudioHelperProcess process_;
    bool ready_ = false; // the process said Ready
    EngineProtocol::State state_;
    QString file_;          // the sound held: its path, to open again in a new process
    int volume_ = 0;
    EventQueue events_;
    QByteArray receiveBuffer_;
    std::function<void()> wakeup_;
    int32_t pendingFailure_ = 0;
    LastFailure failure_;
};
