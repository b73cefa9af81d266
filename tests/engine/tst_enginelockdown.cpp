// The engine's lock-down, applied to this test's own process as the engine's
// process applies it: each act that code slipped into a decoder would try
// first is refused, and a sound still plays from a file opened before.
#include "PlayToEnd.h"
#include "SoundSamples.h"
#include "TestWav.h"

#include "engine/GstPlaybackEngine.h"
#include "engine/GstRuntime.h"
#include "engine/LandlockRuleSet.h"
#include "engine/LockDown.h"
#include "engine/protocol/SoundFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <gst/gst.h>
#include <linux/io_uring.h>
#include <linux/sched.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Made before the lock-down: a folder of the user's, a private file in it,
// and a terminal.
QByteArray folder;
QByteArray privateFile;
int terminal = -1;

// Each act returns 0 when it was done, else the errno it was refused with.
int Result(long result)
{
    return result >= 0 ? 0 : errno;
}
int ResultClosing(long fd)
{
    if (fd < 0)
        return errno;
    ::close(int(fd));
    return 0;
}

int CreateFile() { return ResultClosing(::open(folder + "/new.txt", O_CREAT | O_WRONLY | O_CLOEXEC, 0600)); }
int ReadPrivateFile() { return ResultClosing(::open(privateFile.constData(), O_RDONLY | O_CLOEXEC)); }
int InternetSocket() { return ResultClosing(::socket(AF_INET, SOCK_STREAM, 0)); }
int RunProgram()
{
    // In a child: a program that did start would end this test as a success.
    const pid_t child = ::fork();
    if (child == 0) {
        char *const argv[] = {const_cast<char *>("true"), nullptr};
        ::execve("/bin/true", argv, environ);
        ::_exit(errno);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
int IoUring()
{
    io_uring_params params{};
    return ResultClosing(::syscall(SYS_io_uring_setup, 1, &params));
}
int UserNamespace() { return Result(::unshare(CLONE_NEWUSER)); }
int UserNamespaceByClone3()
{
    clone_args args{};
    args.flags = CLONE_NEWUSER;
    args.exit_signal = SIGCHLD;
    const long child = ::syscall(SYS_clone3, &args, sizeof args);
    if (child == 0)
        ::_exit(0);
    if (child > 0)
        ::waitpid(pid_t(child), nullptr, 0);
    return Result(child);
}
int SignalParent() { return Result(::kill(::getppid(), 0)); }
int TypeIntoTerminal()
{
    const char key = '\n';
    return Result(::ioctl(terminal, TIOCSTI, &key));
}

struct Act {
    const char *name;
    int (*attempt)();
    int refusal;
    int landlockAbi; // the Landlock version that refuses it; 0: seccomp
};
const Act kActs[] = {
    {"create a file in a folder of the user's", CreateFile, EACCES, 1},
    {"read a private file", ReadPrivateFile, EACCES, 1},
    {"open an internet socket", InternetSocket, EPERM, 0},
    {"run a program", RunProgram, EPERM, 0},
    {"start io_uring", IoUring, EPERM, 0},
    {"enter a user namespace", UserNamespace, EPERM, 0},
    {"enter a user namespace through clone3", UserNamespaceByClone3, ENOSYS, 0},
    {"type into the terminal", TypeIntoTerminal, EPERM, 0},
    {"signal a process outside", SignalParent, EPERM, 6},
};

} // namespace

class TestEngineLockDown : public QObject {
    Q_OBJECT

public:
    explicit TestEngineLockDown(QString dir) : dir_(std::move(dir)) {}

private:
    QDir dir_;
    FileDescriptor wav_;

private slots:
    void initTestCase()
    {
        folder = QFile::encodeName(dir_.path());
        privateFile = QFile::encodeName(dir_.filePath("private.txt"));
        QVERIFY(QFile(dir_.filePath("private.txt")).open(QIODevice::WriteOnly));
        QVERIFY(TestWav::WriteTone(dir_.filePath("tone.wav"), 300));
        QString text;
        QCOMPARE(SoundFile::Open(dir_.filePath("tone.wav"), wav_, text), S_OK);
        terminal = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        QVERIFY(terminal >= 0);

        SoundSamples::StartGStreamer();
        const QStringList missing = LockDown::Apply(PlaybackFolders());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join("; ")));
    }

    void forbiddenActsAreRefused_data()
    {
        QTest::addColumn<int>("act");
        for (size_t i = 0; i < std::size(kActs); ++i)
            QTest::newRow(kActs[i].name) << int(i);
    }
    void forbiddenActsAreRefused()
    {
        QFETCH(int, act);
        const Act &a = kActs[act];
        if (LandlockRuleSet::KernelAbi() < a.landlockAbi)
            QSKIP("this kernel's Landlock does not refuse it");
        const int result = a.attempt();
        QVERIFY2(result == a.refusal, result == 0 ? "it was done" : std::strerror(result));
    }

    // Plug-ins load from their folder, and a sound plays from a file opened
    // before the lock-down.
    void aWavPlaysFromAnOpenFile()
    {
        GstPlugin *wavparse = gst_registry_find_plugin(gst_registry_get(), "wavparse");
        QVERIFY(wavparse);
        QVERIFY(!gst_plugin_is_loaded(wavparse)); // loaded now, after the lock-down
        GstPlaybackEngine engine;
        QVERIFY(PlayOpenFileToEnd(engine, std::move(wav_), 10000));
        gst_object_unref(wavparse);
    }
};

// The tests run in a child process, locked down for good; this process
// removes their folder when they are done.
int main(int argc, char **argv)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const pid_t child = ::fork();
    if (child == 0) {
        QCoreApplication app(argc, argv);
        TestEngineLockDown test(dir.path());
        ::_exit(QTest::qExec(&test, argc, argv));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
#include "tst_enginelockdown.moc"
