// The engine's process (lib/tocsimo-audio) started as the program starts it,
// with its socket as fd 3: it ends with the process that started it, even
// when its socket stays open elsewhere (a decoder hung in a file would never
// see it close).
#include "engine/protocol/EngineProtocol.h"
#include "engine/protocol/EngineSocket.h"

#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

using EngineProtocol::Kind;
using EngineProtocol::Message;
using EngineSocket::Received;

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
};

QTEST_GUILESS_MAIN(TestEngineProcess)
#include "tst_engineprocess.moc"
