#include "player/AudioHelperProcess.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How long a closed process may take to end on its own (it only has to set
// its pipeline to NULL).
constexpr auto kCloseGrace = std::chrono::milliseconds(300);

// Between fork and exec only async-signal-safe calls.
[[noreturn]] void RunChild(int socket, const char *path, char *const argv[])
{
    if (socket != 3) {
        if (::dup2(socket, 3) < 0)
            ::_exit(127);
    } else {
        ::fcntl(3, F_SETFD, 0); // keep it across exec
    }
    const int null = ::open("/dev/null", O_RDONLY);
    if (null > 0)
        ::dup2(null, 0);
    ::close_range(4, ~0U, 0);
    const rlimit space{rlim_t(AudioHelperProcess::kAddressSpaceBytes), rlim_t(AudioHelperProcess::kAddressSpaceBytes)};
    ::setrlimit(RLIMIT_AS, &space);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::execv(path, argv);
    ::_exit(127);
}

QString Describe(int status)
{
    if (WIFSIGNALED(status))
        return QStringLiteral("killed by signal %1, %2")
            .arg(WTERMSIG(status))
            .arg(QString::fromLocal8Bit(::strsignal(WTERMSIG(status))));
    return QStringLiteral("ended with status %1").arg(WEXITSTATUS(status));
}

} // namespace

AudioHelperProcess::~AudioHelperProcess()
{
    Close();
}

bool AudioHelperProcess::Start(const QString &executable, QString &error)
{
    Close();
    const QFileInfo info(executable);
    if (!info.isFile() || !info.isExecutable()) {
        error = QStringLiteral("\"%1\" is missing or cannot be run").arg(executable);
        return false;
    }
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // Everything the child needs is made before fork.
    const QByteArray path = QFile::encodeName(executable);
    const QByteArray parent = QByteArray::number(qint64(::getpid()));
    char *const argv[] = {const_cast<char *>(path.constData()), const_cast<char *>(parent.constData()), nullptr};
    const pid_t pid = ::fork();
    if (pid < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(pair[0]);
        ::close(pair[1]);
        return false;
    }
    if (pid == 0)
        RunChild(pair[1], path.constData(), argv);
    ::close(pair[1]);
    socket_ = pair[0];
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pid_ = pid;
        ended_ = false;
        howItEnded_.clear();
    }
    reaper_ = std::thread([this, pid] {
        // Waits for the end without reaping: until it is reaped the number
        // stays this process's, so Kill, under the lock, cannot signal a
        // stranger that was given the number since.
        siginfo_t info{};
        int waited = -1;
        do
            waited = ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT);
        while (waited != 0 && errno == EINTR);
        std::function<void()> onEnded;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            pid_ = -1; // no signal from here on
            int status = 0;
            pid_t reaped = -1;
            do
                reaped = ::waitpid(pid, &status, 0);
            while (reaped < 0 && errno == EINTR);
            howItEnded_ = reaped == pid ? Describe(status) : QStringLiteral("lost");
            ended_ = true;
            onEnded = onEnded_;
        }
        endedChanged_.notify_all();
        if (onEnded)
            onEnded();
    });
    return true;
}

bool AudioHelperProcess::Ended() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ended_;
}

QString AudioHelperProcess::HowItEnded() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return howItEnded_;
}

void AudioHelperProcess::SetOnEnded(std::function<void()> onEnded)
{
    std::lock_guard<std::mutex> lock(mutex_);
    onEnded_ = std::move(onEnded);
}

void AudioHelperProcess::Close()
{
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
    {
        std::unique_lock<std::mutex> lock(mutex_);
        endedChanged_.wait_for(lock, kCloseGrace, [this] { return pid_ <= 0; });
    }
    Kill();
}

void AudioHelperProcess::Kill()
{
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
    {
        // While pid_ is set the process is not yet reaped (see Start), so its
        // number is still its own.
        std::lock_guard<std::mutex> lock(mutex_);
        if (pid_ > 0)
            ::kill(pid_, SIGKILL);
    }
    Join();
}

void AudioHelperProcess::Join()
{
    if (reaper_.joinable())
        reaper_.join();
}
