// A sound engine process that misbehaves when told to, for the player's
// tests. It speaks the real protocol through the real server, around an
// engine that holds a ten-second "sound" and plays nothing.
//
// TOCSIMO_FAKE_MODE: good | crash-on-render | hang-on-render |
// garbage-on-render | hang-on-run | crash-while-playing.
// TOCSIMO_FAKE_IDLE_MS: the server's idle time (default its own).
// TOCSIMO_FAKE_LOG: a file each render and move is appended to.
#include "engine/EngineServer.h"
#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/PlaybackEngine.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>

#include <csignal>
#include <thread>

#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr int kSocket = 3;
constexpr int64_t kLength = 100000000; // 10 s

class FakeEngine : public PlaybackEngine {
public:
    explicit FakeEngine(QByteArray mode) : mode_(std::move(mode)) {}

    int32_t RenderFile(const QString &fileName) override
    {
        Log("render " + fileName.toUtf8());
        if (mode_ == "crash-on-render")
            std::raise(SIGSEGV);
        if (mode_ == "hang-on-render")
            for (;;)
                ::pause();
        if (mode_ == "garbage-on-render")
            [[maybe_unused]] const ssize_t n = ::write(kSocket, "\x0b not a message", 15);
        loaded_ = true;
        base_ = 0;
        return S_OK;
    }
    int32_t RenderOpenFile(FileDescriptor, const QString &name) override { return RenderFile(name); }
    int32_t Clear() override
    {
        loaded_ = false;
        return S_OK;
    }
    int32_t Run() override
    {
        if (!loaded_)
            return S_OK;
        if (mode_ == "hang-on-run")
            for (;;)
                ::pause();
        started_ = QDeadlineTimer::current().deadline();
        running_ = true;
        if (mode_ == "crash-while-playing")
            std::thread([] {
                ::usleep(200000);
                std::raise(SIGKILL);
            }).detach();
        return S_OK;
    }
    int32_t Stop() override
    {
        base_ = Position();
        running_ = false;
        return S_OK;
    }
    bool HasSound() const override { return loaded_; }
    bool GetDuration(int64_t &duration) override
    {
        duration = kLength;
        return loaded_;
    }
    bool GetCurrentPosition(int64_t &position) const override
    {
        position = Position();
        return loaded_;
    }
    bool GetStopPosition(int64_t &stop) override { return GetDuration(stop); }
    int32_t SetPositions(int64_t current, int64_t, bool) override
    {
        Log("seek " + QByteArray::number(qint64(current)));
        base_ = current;
        started_ = QDeadlineTimer::current().deadline();
        return S_OK;
    }
    void SetVolume(int) override {}
    double OutputGain() const override { return 1.0; }
    bool GetEvent(Event &) override { return false; }
    void SetWakeup(std::function<void()>) override {}
    void Dispatch() override {}
    QString ErrorText(int32_t code) const override { return EngineCodeText(code); }

private:
    int64_t Position() const
    {
        return running_ ? base_ + (QDeadlineTimer::current().deadline() - started_) * 10000 : base_;
    }
    static void Log(const QByteArray &line)
    {
        QFile log(QString::fromLocal8Bit(qgetenv("TOCSIMO_FAKE_LOG")));
        if (!log.fileName().isEmpty() && log.open(QIODevice::Append))
            log.write(line + '\n');
    }

    QByteArray mode_;
    bool loaded_ = false;
    bool running_ = false;
    int64_t base_ = 0;
    qint64 started_ = 0;
};

} // namespace

int main()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlives a test that died
    std::signal(SIGPIPE, SIG_IGN);
    FakeEngine engine(qgetenv("TOCSIMO_FAKE_MODE"));
    bool ok = false;
    const int idleMs = qEnvironmentVariableIntValue("TOCSIMO_FAKE_IDLE_MS", &ok);
    return EngineServer(kSocket, &engine).Run(ok ? idleMs : EngineServer::kIdleExitMs);
}
