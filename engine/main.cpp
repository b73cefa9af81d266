// lib/tocsimo-audio: the program's sound engine, in a process of its own so
// that no sound file can crash the program or keep its memory. Started by
// the program (AudioHelperProcess) with its socket as fd 3 and the
// program's process id as the one argument.
#include "engine/EngineServer.h"
#include "engine/GstPlaybackEngine.h"
#include "engine/GstRuntime.h"
#include "engine/LockDown.h"

#include <QString>

#include <cstdlib>
#include <memory>

#include <malloc.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    constexpr int kSocket = 3;
    // Gone with the program's thread that started us, even if it could not
    // close our socket; and if it is already gone, go now.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc < 2 || ::getppid() != pid_t(std::strtoll(argv[1], nullptr, 10)))
        return 1;
    ::signal(SIGPIPE, SIG_IGN);
    // GStreamer's many threads would each reserve a 64 MB malloc arena,
    // which counts against the address-space limit for nothing.
    ::mallopt(M_ARENA_MAX, 2);

    // GStreamer first: it may bring its plug-in registry up to date, which
    // writes the user's cache and runs its scanner. Then the lock-down, before
    // the engine is made and reads anything of a sound.
    QString error;
    const bool started = StartGStreamer(error);
    LockDown::Apply(started ? PlaybackFolders() : QStringList());
    std::unique_ptr<GstPlaybackEngine> engine;
    if (started) {
        engine = std::make_unique<GstPlaybackEngine>();
        if (!engine->IsValid())
            engine.reset();
    } else {
        error = QStringLiteral("The sound engine (GStreamer) cannot be started: ") + error;
    }
    const int status = EngineServer(kSocket, engine.get(), error).Run();
    // Quick: the process is ending, and GStreamer need not be taken down
    // piece by piece (the sound output is closed with the pipeline).
    engine.reset();
    ::_exit(status);
}
