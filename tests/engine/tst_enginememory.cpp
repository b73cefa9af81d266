// What the engine is told by GStreamer does not outlive the sound: every bus
// message (each holds the element that posted it, and so the sound's whole
// chain) is released once the sound is done with.
#include "PlayerDriver.h"
#include "SoundSamples.h"

#include "engine/GstPlaybackEngine.h"
#include "player/PlayerRuntime.h"

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
        GstPlaybackEngine::SetAudioSinkFactory(&SilentSink);
        // The engine in this process, where its output can be watched.
        SetPlaybackEngineFactory([] { return std::make_unique<GstPlaybackEngine>(); });
        GstPlaybackEngine::SetMessageObserver(&WatchMessage);
    }

    void cleanupTestCase()
    {
        SetPlaybackEngineFactory({});
        GstPlaybackEngine::SetMessageObserver({});
        GstPlaybackEngine::SetAudioSinkFactory({});
    }

    void busMessagesAreReleased()
    {
        {
            PlayerDriver d;
            for (int i = 0; i < 3; ++i) {
                QVERIFY2(d.Start(dir_.filePath("tone.wav")), qPrintable(d.errorMessage));
                QVERIFY(d.WaitForEnd(20000));
            }
            d.graph.SetActive(false);
        }
        QVERIFY(messagesSeen > 20);
        // The last engine closes on its own thread.
        QTRY_COMPARE_WITH_TIMEOUT(messagesFreed.load(), messagesSeen.load(), 10000);
    }
};

QTEST_MAIN(TestEngineMemory)
#include "tst_enginememory.moc"
