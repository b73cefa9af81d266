// The engine's process (lib/tocsimo-audio) started as the program starts it,
// with its socket as fd 3: it ends with the process that started it, even
// when its socket stays open elsewhere (a decoder hung in a file would never
// see it close); it is locked down while it plays, and plays all the same
// where the kernel cannot lock it down.
#include "ProcessInfo.h"
#include "TestFiles.h"
#include "TestWav.h"

#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/EngineProtocol.h"
#include "engine/protocol/EngineSocket.h"
#include "engine/protocol/SoundFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <seccomp.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

using EngineProtocol::Kind;
using EngineProtocol::Message;
using EngineSocket::Received;

namespace {

// Makes Landlock and seccomp look missing from the kernel, to this process
// and whatever it runs, as on a kernel built without them. (Called in a
// child between fork and exec: this test's process has a single thread.)
bool HideLockDownFromKernel()
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
    const bool done = filter &&
                      seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(landlock_create_ruleset), 0) == 0 &&
                      seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(seccomp), 0) == 0 &&
                      seccomp_rule_add(filter, SCMP_ACT_ERRNO(EINVAL), SCMP_SYS(prctl), 1,
                                       SCMP_A0_32(SCMP_CMP_EQ, PR_SET_SECCOMP)) == 0 &&
                      seccomp_load(filter) == 0;
    seccomp_release(filter);
    return done;
}

// The next message of a kind (and, for an event, of a code).
bool Await(int socket, Kind kind, long eventCode, Message &m, QByteArray &buffer)
{
    while (EngineSocket::Receive(socket, m, 20000, buffer) == Received::Message) {
        if (m.kind == kind && (kind != Kind::Event || m.code == eventCode))
            return true;
    }
    return false;
}

} // namespace

class TestEngineProcess : public QObject {
    Q_OBJECT

private slots:
    void endsWithItsParent()
    {
        int pair[2];
        int go[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair), 0);
        QCOMPARE(::pipe2(go, O_CLOEXEC), 0);
        const QByteArray path = QFile::encodeName(QStringLiteral(TOCSIMO_ENGINE));
        // The parent: starts the engine, then waits to be told to end.
        const pid_t parent = ::fork();
        if (parent == 0) {
            const QByteArray self = QByteArray::number(qint64(::getpid()));
            char *const argv[] = {const_cast<char *>(path.constData()), const_cast<char *>(self.constData()), nullptr};
            if (::fork() == 0) {
                ::dup2(pair[1], 3);
                ::execv(path.constData(), argv);
                ::_exit(127);
            }
            ::close(go[1]);
            char byte;
            [[maybe_unused]] const ssize_t n = ::read(go[0], &byte, 1);
            ::_exit(0);
        }
        ::close(pair[1]);
        ::close(go[0]);
        QByteArray buffer;
        Message m;
        QCOMPARE(EngineSocket::Receive(pair[0], m, 30000, buffer), Received::Message);
        QCOMPARE(m.kind, Kind::Ready);

        ::close(go[1]); // the parent ends; the engine's socket stays open here
        int status = 0;
        QCOMPARE(::waitpid(parent, &status, 0), parent);
        // Ended at once, not by its idle time (which would say Bye first).
        const Received after = EngineSocket::Receive(pair[0], m, 30000, buffer);
        QVERIFY2(after == Received::Closed, after == Received::Message ? "it said something: it lives on" : "no end");
        ::close(pair[0]);
    }

    void isLockedDownWhilePlayingOrSaysWhyNot_data()
    {
        QTest::addColumn<bool>("kernelCanLockDown");
        QTest::newRow("this kernel") << true;
        QTest::newRow("a kernel without Landlock or seccomp") << false;
    }
    void isLockedDownWhilePlayingOrSaysWhyNot()
    {
        QFETCH(bool, kernelCanLockDown);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(TestWav::WriteTone(dir.filePath("tone.wav"), 1000));
        FileDescriptor wav;
        QString text;
        QCOMPARE(SoundFile::Open(dir.filePath("tone.wav"), wav, text), S_OK);
        const QByteArray log = QFile::encodeName(dir.filePath("log"));
        const QByteArray path = QFile::encodeName(QStringLiteral(TOCSIMO_ENGINE));
        const QByteArray self = QByteArray::number(qint64(::getpid()));
        int pair[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair), 0);
        const pid_t engine = ::fork();
        if (engine == 0) {
            const int logFile = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (logFile < 0 || ::dup2(logFile, 2) < 0 || ::dup2(pair[1], 3) < 0)
                ::_exit(126);
            if (!kernelCanLockDown && !HideLockDownFromKernel())
                ::_exit(125);
            ::setenv("QT_LOGGING_RULES", "tocsimo.sound=true", 1);
            char *const argv[] = {const_cast<char *>(path.constData()), const_cast<char *>(self.constData()), nullptr};
            ::execv(path.constData(), argv);
            ::_exit(127);
        }
        ::close(pair[1]);
        const int socket = pair[0];
        QByteArray buffer;
        Message m;
        QVERIFY(Await(socket, Kind::Ready, 0, m, buffer));
        QCOMPARE(m.code, S_OK);
        Message render;
        render.kind = Kind::Render;
        render.text = dir.filePath("tone.wav");
        QVERIFY(EngineSocket::Send(socket, render, 5000, wav.Get()));
        QVERIFY(Await(socket, Kind::Reply, 0, m, buffer));
        QCOMPARE(m.code, S_OK);
        Message run;
        run.kind = Kind::Run;
        QVERIFY(EngineSocket::Send(socket, run, 5000));
        QVERIFY(Await(socket, Kind::Reply, 0, m, buffer));
        QCOMPARE(m.code, S_OK);

        // While it plays, as seen from outside.
        const QString pid = QString::number(engine);
        QCOMPARE(ProcStatusValue(pid, "NoNewPrivs:"), 1L);
        if (kernelCanLockDown)
            QCOMPARE(ProcStatusValue(pid, "Seccomp:"), 2L);
        QVERIFY2(Await(socket, Kind::Event, EngineEventCode::Complete, m, buffer), "the sound did not play to its end");

        ::close(socket);
        int status = 0;
        QCOMPARE(::waitpid(engine, &status, 0), engine);
        const QByteArray said = ReadBytes(dir.filePath("log"));
        const QByteArray line = "plays without all of its lock-down";
        if (kernelCanLockDown) {
            QVERIFY2(!said.contains(line), said.constData());
        } else {
            QCOMPARE(said.count(line), 1);
            QVERIFY2(said.contains("Landlock") && said.contains("seccomp"), said.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestEngineProcess)
#include "tst_engineprocess.moc"
