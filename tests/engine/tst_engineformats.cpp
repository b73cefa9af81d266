// Every format the alarm editor offers, played for real the way the windows
// play them, and every kind of broken input.
#include "PlayerDriver.h"
#include "SoundSamples.h"

#include "engine/protocol/EngineCodes.h"
#include "player/PlayerRuntime.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <gst/gst.h>

class TestEngineFormats : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString goodShort_;

    QString Path(const QString &name) const { return dir_.filePath(name); }

    void Encode(const QString &name, int ms, const QString &encoder)
    {
        QString error;
        QVERIFY2(SoundSamples::EncodeTone(Path(name), ms, encoder, &error), qPrintable(name + ": " + error));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        SoundSamples::StartGStreamer();
        Encode("tone.wav", 1200, "wavenc");
        Encode("tone.mp3", 1200, "lamemp3enc target=bitrate cbr=true bitrate=128 ! xingmux");
        Encode("vbr.mp3", 1200, "lamemp3enc"); // variable rate, no header with the length
        Encode("tone.mp2", 1200, "twolamemp2enc");
        Encode("tone.wma", 1200, "avenc_wmav2 ! asfmux");
        Encode("blip.wav", 50, "wavenc");
        Encode("good.wav", 300, "wavenc");
        goodShort_ = Path("good.wav");
        // A music video under a sound's name: its sound track plays.
        QString error;
        QVERIFY2(SoundSamples::RunPipeline(
                     QStringLiteral("avimux name=m ! filesink location=\"%1\" "
                                    "videotestsrc num-buffers=30 ! video/x-raw,width=320,height=240,framerate=25/1 ! jpegenc ! m. "
                                    "audiotestsrc num-buffers=120 samplesperbuffer=441 volume=0.5 ! "
                                    "audio/x-raw,format=S16LE,rate=44100,channels=2 ! m.")
                         .arg(Path("video.wma")),
                     &error),
                 qPrintable(error));
        // A picture under a sound's name.
        QVERIFY2(SoundSamples::RunPipeline(QStringLiteral("videotestsrc num-buffers=1 pattern=smpte ! "
                                                          "video/x-raw,width=300,height=300 ! jpegenc ! "
                                                          "filesink location=\"%1\"")
                                               .arg(Path("picture.mp3")),
                                           &error),
                 qPrintable(error));
        QVERIFY(SoundSamples::WriteAu(Path("tone.au"), 1200, false));
        QVERIFY(SoundSamples::WriteAu(Path("tone.snd"), 1200, true));
        QVERIFY(SoundSamples::WriteMidi(Path("chord.mid"), 1200, false));
        QVERIFY(SoundSamples::WriteMidi(Path("chord.midi"), 1200, false));
        QVERIFY(SoundSamples::WriteMidi(Path("chord.rmi"), 1200, true));

        // A playlist written on Windows: its own case, a relative path with
        // backslashes and an entity.
        QVERIFY(QDir(dir_.path()).mkdir("sub"));
        QVERIFY(QFile::copy(Path("tone.mp3"), Path("sub/tone & more.mp3")));
        QVERIFY(SoundSamples::WriteBytes(Path("list.wax"),
                                         "<ASX version = \"3.0\">\r\n<Entry>\r\n<Title>Alarm</Title>\r\n"
                                         "<REF HREF = \"sub\\tone &amp; more.mp3\" />\r\n</Entry>\r\n</ASX>\r\n"));

        // Broken inputs.
        QVERIFY(SoundSamples::WriteBytes(Path("empty.mp3"), QByteArray()));
        QVERIFY(SoundSamples::WriteBytes(Path("text.mp3"), "Remember to buy milk.\r\nAnd bread.\r\n"));
        QVERIFY(QDir(dir_.path()).mkdir("folder.wav"));
        QFile wav(Path("tone.wav"));
        QVERIFY(wav.open(QIODevice::ReadOnly));
        QVERIFY(SoundSamples::WriteBytes(Path("cut.wav"), wav.read(30)));
        QVERIFY(SoundSamples::WriteBytes(Path("lost.wax"),
                                         "<asx version=\"3.0\"><entry><ref href=\"gone.mp3\"/></entry></asx>"));
        QVERIFY(SoundSamples::WriteBytes(Path("hollow.wax"), "<asx version=\"3.0\"><title>none</title></asx>"));
        QVERIFY(SoundSamples::WriteBytes(Path("web.wax"),
                                         "<asx version=\"3.0\"><entry><ref href=\"http://example.org/a.mp3\"/></entry></asx>"));
        // A good entry first, then more than a playlist can be: it is not read.
        QByteArray huge = "<asx version=\"3.0\"><entry><ref href=\"tone.mp3\"/></entry></asx>";
        huge.append(1024 * 1024 + 1 - huge.size(), ' ');
        QVERIFY(SoundSamples::WriteBytes(Path("huge.wax"), huge));
        // Opening a FIFO waits for a writer; reading a device never ends.
        QCOMPARE(::mkfifo(QFile::encodeName(Path("pipe.wax")).constData(), 0600), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(Path("pipe.wav")).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Path("zero.wax")));
    }

    void playsEachFormatToItsEnd_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("tolerance");       // ms between the reported and the real length
        QTest::addColumn<bool>("lengthUpFront");  // known before playing starts
        QTest::newRow("wav") << "tone.wav" << 3 << true;
        QTest::newRow("mp3") << "tone.mp3" << 60 << true;
        // Without a header, the length of a variable-rate file is an estimate
        // from the bitrate seen so far: 1227 or 1263 ms here, by how far the
        // decoder has read when it is asked.
        QTest::newRow("mp3 without header") << "vbr.mp3" << 80 << false;
        QTest::newRow("mp2") << "tone.mp2" << 30 << false;
        QTest::newRow("wma") << "tone.wma" << 30 << true;
        QTest::newRow("au") << "tone.au" << 3 << true;
        QTest::newRow("snd") << "tone.snd" << 3 << true;
        QTest::newRow("mid") << "chord.mid" << 3 << true;
        QTest::newRow("midi") << "chord.midi" << 3 << true;
        QTest::newRow("rmi") << "chord.rmi" << 3 << true;
        QTest::newRow("wax") << "list.wax" << 60 << true;
        QTest::newRow("video with a sound track") << "video.wma" << 3 << true;
    }
    void playsEachFormatToItsEnd()
    {
        QFETCH(QString, file);
        QFETCH(int, tolerance);
        QFETCH(bool, lengthUpFront);
        constexpr int kLength = 1200;
        constexpr int kPoll = 100;

        PlayerDriver d;
        QVERIFY2(d.Start(Path(file)), qPrintable(d.errorMessage));
        QVERIFY2(d.WaitForEnd(20000), "the end test never held");
        QVERIFY(d.seekAtMs >= 0);
        QVERIFY(d.reports.size() >= 3); // fewer than the 7 or so of an idle machine when timers come late
        QVERIFY(!d.bar.TimerRunning());

        // The move to 0.5 s: the next report is past 0.5 s, and no further past
        // it than the time since. A busy machine may make a report late and its
        // position older, never ahead of the sound.
        const PlayerDriver::Report &afterSeek = d.reports.at(1);
        const qint64 expected = 500 + (afterSeek.atMs - d.seekAtMs);
        QVERIFY2(afterSeek.currentPos >= 480 && qint64(afterSeek.currentPos) <= expected + 20,
                 qPrintable(QStringLiteral("at %1 ms, expected %2").arg(afterSeek.currentPos).arg(expected)));

        // Real speed from there on, as far as reports can tell: each position
        // is the engine's last sample carried forward, and on a busy machine a
        // sample can be older than a report by more than the carry. Twice or
        // half the speed stands out all the same.
        const PlayerDriver::Report &last = d.reports.at(d.reports.size() - 2);
        if (&last != &afterSeek) {
            const qint64 played = qint64(last.currentPos) - afterSeek.currentPos;
            const qint64 elapsed = last.atMs - afterSeek.atMs;
            QVERIFY2(played * 4 <= elapsed * 5 + 400 && played * 2 >= elapsed,
                     qPrintable(QStringLiteral("%1 ms played in %2 ms").arg(played).arg(elapsed)));
        }

        // The length, and Max in tenths of it.
        const PlayerDriver::Report &end = d.reports.back();
        QVERIFY2(qAbs(int(end.stopPos) - kLength) <= tolerance, qPrintable(QString::number(end.stopPos)));
        QCOMPARE(end.max, int(end.stopPos) / kPoll);
        if (lengthUpFront) {
            QVERIFY2(qAbs(int(d.reports.front().stopPos) - kLength) <= tolerance,
                     qPrintable(QString::number(d.reports.front().stopPos)));
        }

        // The end is never seen before the sound really ends, and seen within a
        // poll or so of it (up to seconds on a busy machine, whose timers come late).
        const qint64 realEnd = d.seekAtMs + (qint64(end.stopPos) - 500);
        QVERIFY2(d.endAtMs >= realEnd - kPoll - 25 && d.endAtMs <= realEnd + 2000,
                 qPrintable(QStringLiteral("seen at %1 ms, ends at %2 ms").arg(d.endAtMs).arg(realEnd)));
    }

    void veryShortSoundEndsAtTheFirstReport()
    {
        PlayerDriver d;
        QVERIFY2(d.Start(Path("blip.wav")), qPrintable(d.errorMessage));
        QVERIFY(d.WaitForEnd(10000));
        QCOMPARE(d.reports.size(), size_t(1));
        QCOMPARE(d.reports.front().max, 0);
        QVERIFY(d.reports.front().stopPos < 100);
    }

    void restartingAtEachEndRepeatsTheSound()
    {
        PlayerDriver d;
        d.seekAtFirstReport = false;
        QVERIFY(d.Start(goodShort_));
        QVERIFY(d.WaitForEnd(10000));
        QVERIFY(d.Start(goodShort_));
        QVERIFY(d.WaitForEnd(10000));
        QVERIFY(d.reports.front().currentPos < 200); // from the start again
        QVERIFY(d.graph.Active());
    }

    void brokenInputRaisesItsOwnCodeThenThePlayerRecovers_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("textHas");
        QTest::newRow("missing file") << "missing.mp3" << EngineCode::FileNotFound << "cannot be found";
        QTest::newRow("empty file") << "empty.mp3" << EngineCode::EmptyFile << "empty";
        QTest::newRow("text named .mp3") << "text.mp3" << EngineCode::NotAudio << "no sound";
        QTest::newRow("picture named .mp3") << "picture.mp3" << EngineCode::NotAudio << "no sound";
        QTest::newRow("folder") << "folder.wav" << EngineCode::CannotOpen << "folder";
        QTest::newRow("cut-off header") << "cut.wav" << EngineCode::BadFormat << "damaged";
        QTest::newRow("playlist naming a missing file") << "lost.wax" << EngineCode::PlaylistEntryMissing << "gone.mp3";
        QTest::newRow("playlist naming nothing") << "hollow.wax" << EngineCode::BadPlaylist << "names no sound";
        // The engine may not reach the network.
        QTest::newRow("playlist naming a web address") << "web.wax" << EngineCode::CannotOpen << "not web addresses";
        QTest::newRow("playlist over 1 MiB") << "huge.wax" << EngineCode::PlaylistTooLarge << "too large";
        QTest::newRow("playlist that is a FIFO") << "pipe.wax" << EngineCode::CannotOpen << "not a regular file";
        QTest::newRow("playlist that is a device") << "zero.wax" << EngineCode::CannotOpen << "not a regular file";
        QTest::newRow("sound that is a FIFO") << "pipe.wav" << EngineCode::CannotOpen << "not a regular file";
    }
    void brokenInputRaisesItsOwnCodeThenThePlayerRecovers()
    {
        QFETCH(QString, file);
        QFETCH(int, code);
        QFETCH(QString, textHas);
        PlayerDriver d;
        QVERIFY(!d.Start(Path(file)));
        QCOMPARE(d.errorCode, code);
        const QString suffix = QStringLiteral(" ($%1).").arg(QString::number(quint32(code), 16).toUpper());
        QVERIFY2(d.errorMessage.endsWith(suffix), qPrintable(d.errorMessage));
        QVERIFY2(d.errorMessage.contains(textHas), qPrintable(d.errorMessage));
        QVERIFY2(d.errorMessage.contains(file), qPrintable(d.errorMessage));
        QVERIFY(!d.graph.Active());

        QVERIFY2(d.Start(goodShort_), qPrintable(d.errorMessage));
        QVERIFY(d.WaitForEnd(10000));
        QVERIFY(qAbs(int(d.reports.back().stopPos) - 300) <= 3);
    }

    void missingDecoderIsNamed()
    {
        // Hide every decoder that takes MP3 from the engine's process, as on
        // a system without them.
        GstCaps *mp3 = gst_caps_from_string("audio/mpeg, mpegversion=(int)1, layer=(int)3");
        GList *decoders = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_NONE);
        QStringList hidden;
        for (GList *l = decoders; l; l = l->next) {
            auto *factory = GST_ELEMENT_FACTORY(l->data);
            if (gst_element_factory_can_sink_any_caps(factory, mp3))
                hidden << QString::fromUtf8(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory))) + ":NONE";
        }
        gst_plugin_feature_list_free(decoders);
        gst_caps_unref(mp3);
        QVERIFY(!hidden.isEmpty());
        qputenv("GST_PLUGIN_FEATURE_RANK", hidden.join(QLatin1Char(',')).toUtf8());
        PlayerDriver d;
        const bool started = d.Start(Path("tone.mp3"));
        qunsetenv("GST_PLUGIN_FEATURE_RANK");

        QVERIFY(!started);
        QCOMPARE(d.errorCode, EngineCode::MissingDecoder);
        QVERIFY2(d.errorMessage.contains(QStringLiteral("MP3")), qPrintable(d.errorMessage));
        QVERIFY2(d.errorMessage.endsWith(QStringLiteral(" ($80040304).")), qPrintable(d.errorMessage));
        QVERIFY(!d.graph.Active());
        QVERIFY2(d.Start(Path("tone.mp3")), qPrintable(d.errorMessage));
    }
};

QTEST_MAIN(TestEngineFormats)
#include "tst_engineformats.moc"
