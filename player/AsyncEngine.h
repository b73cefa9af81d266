#pragma once

#include "engine/protocol/EventQueue.h"
#include "engine/protocol/PlaybackEngine.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <deque>
#include <memory>

// The sound engine as the user-interface thread sees it. The engine itself
// (PlaybackEngine) is called on a thread of its own, which also starts the
// engine's process and waits for its every answer: opening a sound can block
// for seconds (a hung network mount, a busy machine, a plug-in registry being
// rebuilt), and none of that may hold up the windows or the scheduler.
//
// Commands are queued and carried out in order; none waits. Their results
// come back as signals on this object's thread. Positions and lengths are
// answered at once from what the engine last reported.
//
// Each render or clear begins a new "epoch": a failure, an event or a report
// from an earlier epoch is about a sound that has since been replaced. A
// clear that arrives while a render is still opening its file does not wait
// for it: that engine is left to finish on its own and a fresh one takes
// over, up to kMaxEngineThreads engine threads in all.
class AsyncEngine : public QObject {
    Q_OBJECT

public:
    // What a failure was about.
    enum class Operation { Open, Render, Run, Stop, Clear };

    // Starts the engine's thread (StartEngineThread); the engine is made there.
    explicit AsyncEngine(QObject *parent = nullptr);
    // Tells the thread to end after its current call; never waits for it.
    ~AsyncEngine() override;

    void RenderFile(const QString &fileName);
    void Clear();
    void Run();
    void Stop();
    // Moves the playing position (absolute, 100 ns units); with positionStop
    // false the stop position stays. Failures are ignored.
    void SetPositions(int64_t current, int64_t stop, bool positionStop);
    // Hundredths of a decibel, applied in order with the other commands.
    void SetVolume(int hundredthsOfDecibel);

    // False while not known: nothing loaded, or the last render or clear not
    // carried out yet.
    bool HasSound() const;
    bool GetDuration(int64_t &duration) const;
    bool GetCurrentPosition(int64_t &position) const;
    bool GetStopPosition(int64_t &stop) const;
    // The linear gain the engine applied last (1.0 full).
    double OutputGain() const;

    // True once the engine exists and has carried out every command given so far.
    bool Idle() const;

    // Engine events of the present epoch, in order.
    bool GetEvent(PlaybackEngine::Event &event);

    struct Worker;
    struct Loop;

signals:
    void EventsQueued();
    // The last render finished well: the sound is ready to play.
    void Rendered();
    // A command of the present epoch failed (always for Open, which leaves
    // no engine). message is the engine's text for code.
    void Failed(AsyncEngine::Operation operation, int32_t code, const QString &message);

private:
    struct Report;
    // The engine's thread.
    static void RunWorker(std::shared_ptr<Worker> worker);
    void Start();
    void GiveUpWorker();
    void Queue(int operation, const QString &path = QString(), int64_t a = 0, int64_t b = 0, bool flag = false);
    Report Snapshot() const;

    // Called on this object's thread by the worker.
    void OnEvents(uint64_t epoch, std::deque<PlaybackEngine::Event> events);
    void OnRendered(uint64_t epoch);
    void OnFailed(uint64_t epoch, Operation operation, int32_t code, const QString &message);

    std::shared_ptr<Worker> worker_;
    uint64_t epoch_ = 0;
    uint64_t issued_ = 0;      // serial of the last command queued
    uint64_t seekSerial_ = 0;  // of the last move of the position
    int64_t seekTarget_ = 0;
    EventQueue events_;
};
