#include "engine/protocol/EngineProtocol.h"

#include <QDataStream>
#include <QIODevice>

namespace EngineProtocol {

namespace {
constexpr uint8_t kFirstKind = uint8_t(Kind::Ready);
constexpr uint8_t kLastKind = uint8_t(Kind::Bye);
} // namespace

QByteArray Encode(const Message &m)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << quint8(m.kind) << qint32(m.code) << m.text << qint64(m.a) << qint64(m.b) << m.flag
        << m.state.loaded << m.state.durationKnown << m.state.positionKnown << m.state.stopKnown
        << qint64(m.state.duration) << qint64(m.state.position) << qint64(m.state.stop) << m.state.gain;
    return bytes;
}

bool Decode(const QByteArray &bytes, Message &m)
{
    if (bytes.size() > kMaxMessageBytes)
        return false;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint8 kind = 0;
    qint32 code = 0;
    qint64 a = 0, b = 0, duration = 0, position = 0, stop = 0;
    in >> kind >> code >> m.text >> a >> b >> m.flag >> m.state.loaded >> m.state.durationKnown >>
        m.state.positionKnown >> m.state.stopKnown >> duration >> position >> stop >> m.state.gain;
    if (in.status() != QDataStream::Ok || !in.atEnd() || kind < kFirstKind || kind > kLastKind)
        return false;
    m.kind = Kind(kind);
    m.code = code;
    m.a = a;
    m.b = b;
    m.state.duration = duration;
    m.state.position = position;
    m.state.stop = stop;
    return true;
}

} // namespace EngineProtocol
