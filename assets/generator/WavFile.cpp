#include "generator/WavFile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace WavFile {

namespace {
template <class T>
void Put(QByteArray &out, T value)
{
    char le[sizeof(T)];
    qToLittleEndian(value, le);
    out.append(le, sizeof(T));
}
} // namespace

QByteArray Pcm16Mono(const std::vector<float> &samples, int rate)
{
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray wav;
    wav.reserve(44 + qsizetype(dataBytes));
    wav.append("RIFF");
    Put<quint32>(wav, 36 + dataBytes);
    wav.append("WAVEfmt ");
    Put<quint32>(wav, 16); // size of the format chunk
    Put<quint16>(wav, 1);  // PCM
    Put<quint16>(wav, 1);  // mono
    Put<quint32>(wav, quint32(rate));
    Put<quint32>(wav, quint32(rate) * 2); // bytes per second
    Put<quint16>(wav, 2);                 // bytes per frame
    Put<quint16>(wav, 16);                // bits per sample
    wav.append("data");
    Put<quint32>(wav, dataBytes);
    for (float s : samples)
        Put<qint16>(wav, static_cast<qint16>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767)));
    return wav;
}

} // namespace WavFile
