#pragma once

#include "engine/protocol/EngineProtocol.h"

// Sending and receiving protocol messages on a SOCK_SEQPACKET socket (Linux).
namespace EngineSocket {

// Never raises SIGPIPE. False when the other side is gone or the socket is
// full for longer than timeoutMs.
bool Send(int fd, const EngineProtocol::Message &message, int timeoutMs);

enum class Received { Message, Timeout, Closed, Garbage };
// Waits up to timeoutMs (-1: for ever) for one message. buffer is the
// caller's, kept from one message to the next: a message may be as large as
// kMaxMessageBytes, and they come many times a second while a sound plays.
Received Receive(int fd, EngineProtocol::Message &message, int timeoutMs, QByteArray &buffer);

} // namespace EngineSocket
