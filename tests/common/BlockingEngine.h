#pragma once

#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/PlaybackEngine.h"
#include "player/PlayerRuntime.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

// A stand-in for the sound engine whose render of one file blocks, as a sound
// on a hung network mount does, until released or for blockMs at most. Every
// other file renders at once. Told to, the slow render then fails and leaves
// an event behind, as a sound that broke while it opened. Shared state is
// static: the engines are made on their own threads.
class BlockingEngine : public PlaybackEngine {
public:
    struct Control {
        std::mutex mutex;
        std::condition_variable released;
        bool release = false;
        int blockMs = 10000;
        QString slowFile;
        bool slowFails = false; // the slow render fails, after queuing an ErrorAbort
        std::atomic<int> rendersStarted{0};
        std::atomic<int> slowRendersDone{0};
        std::atomic<int> playing{0}; // engines running a sound now
        std::atomic<int64_t> lastMove{-1}; // the last position asked for
        QString lastRendered;        // under mutex
    };
    static Control &Shared()
    {
        static Control control;
        return control;
    }
    static void Reset(const QString &slowFile, int blockMs)
    {
        Control &c = Shared();
        std::lock_guard<std::mutex> lock(c.mutex);
        c.release = false;
        c.blockMs = blockMs;
        c.slowFile = slowFile;
        c.slowFails = false;
        c.rendersStarted = 0;
        c.slowRendersDone = 0;
        c.playing = 0;
        c.lastMove = -1;
        c.lastRendered.clear();
    }
    static void ReleaseAll()
    {
        Control &c = Shared();
        std::lock_guard<std::mutex> lock(c.mutex);
        c.release = true;
        c.released.notify_all();
    }
    // At the end of a test program: engines still closing on their own
    // threads would otherwise outlive the statics they use, this Control's
    // strings among them, and corrupt the heap as the program exits.
    static bool WaitForEnginesToClose()
    {
        ReleaseAll();
        return ShutdownPlayerRuntime(20000);
    }
    static QString LastRendered()
    {
        std::lock_guard<std::mutex> lock(Shared().mutex);
        return Shared().lastRendered;
    }

    ~BlockingEngine() override { SetRunning(false); }

    int32_t RenderFile(const QString &fileName) override
    {
        Control &c = Shared();
        SetRunning(false);
        loaded_ = false;
        ++c.rendersStarted;
        std::unique_lock<std::mutex> lock(c.mutex);
        if (fileName == c.slowFile) {
            c.released.wait_for(lock, std::chrono::milliseconds(c.blockMs), [&] { return c.release; });
            ++c.slowRendersDone;
            if (c.slowFails) {
                event_ = true;
                if (wakeup_)
                    wakeup_();
                return EngineCode::BadFormat;
            }
        }
        c.lastRendered = fileName;
        loaded_ = true;
        return S_OK;
    }
    int32_t RenderOpenFile(FileDescriptor, const QString &name) override { return RenderFile(name); }
    int32_t Clear() override
    {
        SetRunning(false);
        loaded_ = false;
        return S_OK;
    }
    int32_t Run() override
    {
        SetRunning(loaded_);
        return S_OK;
    }
    int32_t Stop() override
    {
        SetRunning(false);
        return S_OK;
    }
    bool HasSound() const override { return loaded_; }
    bool GetDuration(int64_t &duration) override
    {
        duration = 100000000; // 10 s
        return loaded_;
    }
    bool GetCurrentPosition(int64_t &position) const override
    {
        position = 0;
        return loaded_;
    }
    bool GetStopPosition(int64_t &stop) override { return GetDuration(stop); }
    int32_t SetPositions(int64_t current, int64_t, bool) override
    {
        Shared().lastMove = current;
        return S_OK;
    }
    void SetVolume(int) override {}
    double OutputGain() const override { return 1.0; }
    bool GetEvent(Event &event) override
    {
        if (!std::exchange(event_, false))
            return false;
        event = Event{EngineEventCode::ErrorAbort, EngineCode::BadFormat, 0};
        return true;
    }
    void SetWakeup(std::function<void()> wakeup) override { wakeup_ = std::move(wakeup); }
    void Dispatch() override {}
    QString ErrorText(int32_t code) const override { return EngineCodeText(code); }

private:
    void SetRunning(bool on)
    {
        if (on != running_)
            Shared().playing += on ? 1 : -1;
        running_ = on;
    }

    bool loaded_ = false;
    bool running_ = false;
    bool event_ = false;
    std::function<void()> wakeup_;
};
