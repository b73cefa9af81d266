#include "TestWav.h"

#include <QFile>
#include <QtEndian>

#include <cmath>

namespace {
void PutLE32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
void PutLE16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
} // namespace

QByteArray TestWav::Tone(int milliseconds, int sampleRate)
{
    const int frames = sampleRate * milliseconds / 1000;
    QByteArray pcm;
    pcm.reserve(frames * 2);
    for (int i = 0; i < frames; ++i)
        PutLE16(pcm, static_cast<quint16>(static_cast<qint16>(8000 * std::sin(2 * M_PI * 440 * i / sampleRate))));

    QByteArray wav("RIFF");
    PutLE32(wav, 36 + pcm.size());
    wav += "WAVEfmt ";
    PutLE32(wav, 16);             // size of the format chunk
    PutLE16(wav, 1);              // PCM
    PutLE16(wav, 1);              // mono
    PutLE32(wav, sampleRate);
    PutLE32(wav, sampleRate * 2); // bytes per second
    PutLE16(wav, 2);              // bytes per frame
    PutLE16(wav, 16);             // bits per sample
    wav += "data";
    PutLE32(wav, pcm.size());
    return wav + pcm;
}

TestWav::Wave TestWav::Read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE" || u16(20) != 1 || u16(22) != 1
        || u16(34) != 16 || b.mid(36, 4) != "data")
        return {};
    Wave w;
    w.rate = static_cast<int>(u32(24));
    const qsizetype n = qMin<qsizetype>(u32(40), b.size() - 44) / 2;
    w.samples.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        w.samples.push_back(qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i) / 32768.0);
    return w;
}

bool TestWav::WriteTone(const QString &path, int milliseconds, int sampleRate)
{
    const QByteArray bytes = Tone(milliseconds, sampleRate);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
