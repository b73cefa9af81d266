#pragma once

#include "engine/protocol/EngineProtocol.h"
#include "engine/protocol/PlaybackEngine.h"

// The sound engine process's side of the protocol: carries the program's
// requests out on one engine, answers each, and passes the engine's events
// on as they come. One thread; GStreamer's threads only wake it.
//
// It ends when the program closes the socket, and by itself after
// kIdleExitMs without a request while no sound plays: long enough to cover
// the two seconds between the warm-up before an alarm and the alarm, a
// busy machine's late tick and a user pressing play again in the editor;
// short enough that the decoders' memory is soon given back to the system.
class EngineServer {
public:
    static constexpr int kIdleExitMs = 10000;

    // engine may be null when it could not be made; startError then says why.
    EngineServer(int socket, PlaybackEngine *engine, const QString &startError = QString());
    ~EngineServer();

    // Returns the process's exit status.
    int Run(int idleExitMs = kIdleExitMs);

private:
    // file: what came with the request; only a render uses it.
    EngineProtocol::Message Handle(const EngineProtocol::Message &request, FileDescriptor file);
    bool SendEvents();

    int socket_;
    int wake_ = -1; // eventfd the engine's wakeup writes to
    PlaybackEngine *engine_;
    QString startError_;
    bool playing_ = false;
    QByteArray receiveBuffer_;
};
