// What comes out of the player is sound, and MIDI is about as loud as the rest:
// the engine's output goes through GStreamer's level meter.
#include "PlayToEnd.h"
#include "SoundSamples.h"

#include "engine/GstPlaybackEngine.h"

#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <gst/gst.h>

#include <limits>
#include <mutex>

namespace {

std::mutex peakMutex;
double loudestPeak = -std::numeric_limits<double>::infinity(); // dBFS

void ObserveLevel(GstMessage *message)
{
    if (GST_MESSAGE_TYPE(message) != GST_MESSAGE_ELEMENT)
        return;
    const GstStructure *s = gst_message_get_structure(message);
    if (!s || !gst_structure_has_name(s, "level"))
        return;
    const GValue *peaks = gst_structure_get_value(s, "peak");
    if (!peaks)
        return;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    auto *array = static_cast<GValueArray *>(g_value_get_boxed(peaks));
    std::lock_guard<std::mutex> lock(peakMutex);
    for (guint i = 0; array && i < array->n_values; ++i)
        loudestPeak = std::max(loudestPeak, g_value_get_double(g_value_array_get_nth(array, i)));
    G_GNUC_END_IGNORE_DEPRECATIONS
}

GstElement *MeteredSink()
{
    GError *error = nullptr;
    GstElement *bin = gst_parse_bin_from_description("level interval=50000000 ! fakesink sync=true", TRUE, &error);
    g_clear_error(&error);
    return bin;
}

} // namespace

class TestEngineLoudness : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QHash<QString, double> peaks_;

    double PeakOf(const QString &file)
    {
        if (peaks_.contains(file))
            return peaks_.value(file);
        {
            std::lock_guard<std::mutex> lock(peakMutex);
            loudestPeak = -std::numeric_limits<double>::infinity();
        }
        GstPlaybackEngine engine;
        if (!PlayToEnd(engine, dir_.filePath(file), 20000))
            return -std::numeric_limits<double>::infinity();
        std::lock_guard<std::mutex> lock(peakMutex);
        peaks_.insert(file, loudestPeak);
        return loudestPeak;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        SoundSamples::StartGStreamer();
        QVERIFY(SoundSamples::EncodeTone(dir_.filePath("tone.wav"), 1000, "wavenc"));
        QVERIFY(SoundSamples::EncodeTone(dir_.filePath("tone.mp3"), 1000, "lamemp3enc"));
        QVERIFY(SoundSamples::WriteMidi(dir_.filePath("chord.mid"), 1000, false));
        QVERIFY(SoundSamples::WriteMidi(dir_.filePath("chord.rmi"), 1000, true));
        // The engine in this process, where its output can be watched.
        GstPlaybackEngine::SetAudioSinkFactory(&MeteredSink);
        GstPlaybackEngine::SetMessageObserver(&ObserveLevel);
    }

    void cleanupTestCase()
    {
        GstPlaybackEngine::SetAudioSinkFactory({});
        GstPlaybackEngine::SetMessageObserver({});
    }

    void soundComesOut_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("wav") << "tone.wav";
        QTest::newRow("mp3") << "tone.mp3";
        QTest::newRow("mid") << "chord.mid";
        QTest::newRow("rmi") << "chord.rmi";
    }
    void soundComesOut()
    {
        QFETCH(QString, file);
        const double peak = PeakOf(file);
        // The samples are made at -6 dBFS; silence reads far below -60.
        QVERIFY2(peak > -20.0, qPrintable(QStringLiteral("peak %1 dBFS").arg(peak)));
    }

    void midiIsAboutAsLoudAsRecordedSound()
    {
        const double recorded = PeakOf("tone.wav");
        const double midi = PeakOf("chord.mid");
        qInfo("peaks: wav %.1f dBFS, MIDI %.1f dBFS", recorded, midi);
        QVERIFY2(qAbs(recorded - midi) <= 10.0,
                 qPrintable(QStringLiteral("wav %1 dBFS, MIDI %2 dBFS").arg(recorded).arg(midi)));
    }
};

QTEST_GUILESS_MAIN(TestEngineLoudness)
#include "tst_engineloudness.moc"
