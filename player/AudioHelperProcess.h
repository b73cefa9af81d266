#pragma once

#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include <sys/types.h>

// One sound engine process (Linux): started with fork and exec, joined to
// the program by a socket pair, and always reaped by this object.
//
// What the process gets: the socket as fd 3, /dev/null as stdin, the
// program's stdout and stderr, no other descriptor, an address-space limit
// and no core files. It ends itself when the socket closes or the thread
// that started it ends (PR_SET_PDEATHSIG, set by the process).
//
// A thread of this object waits for the process to end and reaps it at
// once, whenever and however it ends, so it never lingers as a zombie; it
// then calls the ended callback (on that thread). Until it is reaped, and
// only then, the process may be killed.
class AudioHelperProcess {
public:
    AudioHelperProcess() = default;
    ~AudioHelperProcess(); // Close
    AudioHelperProcess(const AudioHelperProcess &) = delete;
    AudioHelperProcess &operator=(const AudioHelperProcess &) = delete;

    // False, with the reason, when the executable is missing or the process
    // cannot be made. An executable that cannot run shows as a process that
    // ends at once.
    bool Start(const QString &executable, QString &error);
    // Started and not yet closed or killed (it may have ended by itself).
    bool Running() const { return socket_ >= 0; }
    // The process has ended (and was reaped).
    bool Ended() const;
    int Socket() const { return socket_; }
    // Called on the reaping thread when the process has ended.
    void SetOnEnded(std::function<void()> onEnded);

    // Closes the socket and gives the process a moment to end on its own
    // before killing it; reaps it.
    void Close();
    // Kills it at once (it hangs or talks nonsense); reaps it.
    void Kill();
    // After Close or Kill: how it ended, e.g. "killed by signal 9 (Killed)".
    QString HowItEnded() const;

    // The address space the process may map: GStreamer, its plug-ins, a
    // large General MIDI sound font (FluidR3, 140 MB) and the decoders'
    // buffers fit several times over; a file that makes a decoder ask for
    // more fails that sound instead of the machine.
    static constexpr long long kAddressSpaceBytes = 1536LL * 1024 * 1024;

private:
    void Join();

    int socket_ = -1;
    std::thread reaper_;
    mutable std::mutex mutex_;
    std::condition_variable endedChanged_;
    pid_t pid_ = -1;     // set until the process is about to be reaped
    bool ended_ = false;
    QString howItEnded_;
    std::function<void()> onEnded_;
};
