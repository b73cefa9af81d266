// What the engine is told by GStreamer does not outlive the sound: every bus
// message (each holds the element that posted it, and so the sound's whole
// chain) is released once the sound is done with.
#include "PlayToEnd.h"
#include "SoundSamples.h"

#include "engine/GstPlaybackEngine.h"

#include <QTemporaryDir>
#include <QTest>

#include <gst/gst.h>

#include <atomic>

namespace {

std::atomic<int> messagesSeen{0};
std::atomic<int> messagesFreed{0};

void CountFreed(gpointer, GstMiniObject *)
{
    ++messagesFreed;
}

void WatchMessage(GstMessage *message)
{
    ++messagesSeen;
    gst_mini_object_weak_ref(GST_MINI_OBJECT(message), &CountFreed, nullptr);
}

GstElement *SilentSink()
{
    return gst_element_factory_make("fakesink", nullptr);
}

} // namespace

class TestEngineMemory : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        SoundSamples::StartGStreamer();
        QVERIFY(SoundSamples::EncodeTone(dir_.filePath("tone.wav"), 300, QStringLiteral("wavenc")));
        // The engine in this process, where its messages can be watched.
        GstPlaybackEngine::SetAudioSinkFactory(&SilentSink);
        GstPlaybackEngine::SetMessageObserver(&WatchMessage);
    }

    void cleanupTestCase()
    {
        GstPlaybackEngine::SetMessageObserver({});
        GstPlaybackEngine::SetAudioSinkFactory({});
    }

    void busMessagesAreReleased()
    {
        {
            GstPlaybackEngine engine;
            for (int i = 0; i < 3; ++i)
                QVERIFY(PlayToEnd(engine, dir_.filePath("tone.wav"), 20000));
        }
        QVERIFY(messagesSeen > 20);
        // GStreamer's threads may still be letting the last ones go.
        QTRY_COMPARE_WITH_TIMEOUT(messagesFreed.load(), messagesSeen.load(), 10000);
    }
};

QTEST_GUILESS_MAIN(TestEngineMemory)
#include "tst_enginememory.moc"
