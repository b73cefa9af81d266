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

bool TestWav::WriteTone(const QString &path, int milliseconds, int sampleRate)
{
    const QByteArray bytes = Tone(milliseconds, sampleRate);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
