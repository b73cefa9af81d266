#pragma once

#include "engine/protocol/EngineProtocol.h"
#include "engine/protocol/FileDescriptor.h"

// Sending and receiving protocol messages on a SOCK_SEQPACKET socket (Linux).
// A message may carry one open file with it (SCM_RIGHTS): the sound the
// program opened for the engine's process.
namespace EngineSocket {

// Never raises SIGPIPE. False when the other side is gone or the socket is
// full for longer than timeoutMs. file, if valid, goes along (as a copy: the
// caller's stays open).
bool Send(int fd, const EngineProtocol::Message &message, int timeoutMs, int file = -1);

enum class Received { Message, Timeout, Closed, Garbage };
// Waits up to timeoutMs (-1: for ever) for one message. buffer is the
// caller's, kept from one message to the next: a message may be as large as
// kMaxMessageBytes, and they come many times a second while a sound plays.
// The file that came with the message goes to file; without file, or when
// more than one came, the others are closed at once.
Received Receive(int fd, EngineProtocol::Message &message, int timeoutMs, QByteArray &buffer,
                 FileDescriptor *file = nullptr);

} // namespace EngineSocket
