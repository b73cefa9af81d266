#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// What the program and its sound engine process (lib/tocsimo-audio) say to
// each other over their socket pair, one datagram per message (a
// SOCK_SEQPACKET socket keeps the boundaries). Every message has the same
// fields; each kind uses the ones it needs. The program asks and waits for
// one Reply per request; the engine may send Event messages in between, Ready
// once when it has started, and Bye before it ends by itself when idle.
namespace EngineProtocol {

enum class Kind : uint8_t {
    Ready = 1, // code: S_OK, or why the engine cannot work (text)
    Render,    // text: the file's path, for texts; the file itself comes open with it
    Clear,
    Run,
    Stop,
    Seek,      // a: current, b: stop, flag: set the stop too
    Volume,    // code: hundredths of a decibel
    Sample,    // asks only for the state
    Reply,     // code, text: the engine's text for a failed code; state
    Event,     // code: the event, a and b: its parameters
    Bye,       // idle long enough: the engine ends now
};

// The engine's state, sent with every reply.
struct State {
    bool loaded = false;
    bool durationKnown = false;
    bool positionKnown = false;
    bool stopKnown = false;
    int64_t duration = 0; // 100 ns units
    int64_t position = 0;
    int64_t stop = 0;
    double gain = 1.0;
};

struct Message {
    Kind kind = Kind::Reply;
    int32_t code = 0;
    QString text;
    int64_t a = 0;
    int64_t b = 0;
    bool flag = false;
    State state;
};

// Far above any real message (a path and a short text); bigger is nonsense.
constexpr int kMaxMessageBytes = 64 * 1024;

QByteArray Encode(const Message &message);
// False for anything that is not exactly one well-formed message.
bool Decode(const QByteArray &bytes, Message &message);

} // namespace EngineProtocol
