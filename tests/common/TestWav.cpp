#include "TestWav.h"

#include "generator/WavFile.h"

#include <QFile>
#include <QtEndian>

#include <cmath>

QByteArray TestWav::Tone(int milliseconds, int sampleRate)
{
    std::vector<float> samples(size_t(sampleRate) * milliseconds / 1000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = float(0.25 * std::sin(2 * M_PI * 440 * double(i) / sampleRate));
    return WavFile::Pcm16Mono(samples, sampleRate);
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
