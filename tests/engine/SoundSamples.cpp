#include "SoundSamples.h"

#include <QFile>
#include <QtEndian>

#include <gst/gst.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace SoundSamples {

void StartGStreamer()
{
    gst_init(nullptr, nullptr);
}

bool RunPipeline(const QString &description, QString *error)
{
    GError *parseError = nullptr;
    GstElement *pipeline = gst_parse_launch(description.toUtf8().constData(), &parseError);
    if (!pipeline) {
        if (error)
            *error = QString::fromUtf8(parseError ? parseError->message : "cannot build the pipeline");
        g_clear_error(&parseError);
        return false;
    }
    g_clear_error(&parseError);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *message = gst_bus_timed_pop_filtered(bus, 20 * GST_SECOND,
                                                     GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    bool ok = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    if (!ok && error) {
        *error = QStringLiteral("no end of stream");
        if (message) {
            GError *e = nullptr;
            gst_message_parse_error(message, &e, nullptr);
            *error = QString::fromUtf8(e ? e->message : "error");
            g_clear_error(&e);
        }
    }
    if (message)
        gst_message_unref(message);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
    return ok;
}

namespace {

void PutBE32(QByteArray &out, quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    out.append(b, 4);
}
void PutBE16(QByteArray &out, quint16 v)
{
    char b[2];
    qToBigEndian(v, b);
    out.append(b, 2);
}
void PutLE32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// G.711 mu-law.
quint8 MuLaw(int sample)
{
    constexpr int kBias = 0x84;
    constexpr int kClip = 32635;
    const int sign = sample < 0 ? 0x80 : 0;
    int s = std::min(std::abs(sample), kClip) + kBias;
    int exponent = 7;
    for (int mask = 0x4000; (s & mask) == 0 && exponent > 0; mask >>= 1)
        --exponent;
    const int mantissa = (s >> (exponent + 3)) & 0x0F;
    return static_cast<quint8>(~(sign | (exponent << 4) | mantissa));
}

QByteArray VariableLength(quint32 value)
{
    QByteArray out(1, char(value & 0x7F));
    while (value >>= 7)
        out.prepend(char((value & 0x7F) | 0x80));
    return out;
}

} // namespace

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool EncodeTone(const QString &path, int ms, const QString &encoder, QString *error)
{
    // 441 samples at 44.1 kHz: one buffer is 10 ms.
    const QString description =
        QStringLiteral("audiotestsrc num-buffers=%1 samplesperbuffer=441 freq=440 volume=0.5 "
                       "! audio/x-raw,rate=44100,channels=2 ! audioconvert ! %2 ! filesink location=\"%3\"")
            .arg(ms / 10)
            .arg(encoder, path);
    return RunPipeline(description, error);
}

bool WriteAu(const QString &path, int ms, bool muLaw)
{
    constexpr int kRate = 8000;
    const int samples = kRate * ms / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const int value = static_cast<int>(16000 * std::sin(2 * M_PI * 440 * i / kRate));
        if (muLaw)
            data.append(char(MuLaw(value)));
        else
            PutBE16(data, static_cast<quint16>(static_cast<qint16>(value)));
    }
    QByteArray out(".snd");
    PutBE32(out, 24);                   // header size
    PutBE32(out, data.size());          // data size
    PutBE32(out, muLaw ? 1 : 3);        // 1: 8-bit mu-law, 3: 16-bit linear
    PutBE32(out, kRate);
    PutBE32(out, 1);                    // channels
    return WriteBytes(path, out + data);
}

bool WriteMidi(const QString &path, int ms, bool rmi)
{
    constexpr int kDivision = 480;        // ticks per quarter note
    constexpr int kMicrosPerQuarter = 500000; // 120 beats a minute
    const quint32 ticks = static_cast<quint32>(qint64(ms) * 1000 * kDivision / kMicrosPerQuarter);
    const char notes[] = {0x45, 0x49, 0x4C}; // A major chord around 440 Hz

    QByteArray track;
    track += VariableLength(0) + QByteArray("\xFF\x51\x03\x07\xA1\x20", 6); // tempo 500000
    track += VariableLength(0) + QByteArray("\xC0\x00", 2);                 // piano
    for (char note : notes)
        track += VariableLength(0) + QByteArray("\x90", 1) + note + char(110);
    for (size_t i = 0; i < sizeof notes; ++i)
        track += VariableLength(i == 0 ? ticks : 0) + QByteArray("\x80", 1) + notes[i] + char(64);
    track += VariableLength(0) + QByteArray("\xFF\x2F\x00", 3); // end of track

    QByteArray smf("MThd");
    PutBE32(smf, 6);
    PutBE16(smf, 0); // one track
    PutBE16(smf, 1);
    PutBE16(smf, kDivision);
    smf += "MTrk";
    PutBE32(smf, track.size());
    smf += track;
    if (!rmi)
        return WriteBytes(path, smf);

    QByteArray chunk("data");
    PutLE32(chunk, smf.size());
    chunk += smf;
    QByteArray riff("RIFF");
    PutLE32(riff, 4 + chunk.size());
    riff += "RMID" + chunk;
    return WriteBytes(path, riff);
}

} // namespace SoundSamples
