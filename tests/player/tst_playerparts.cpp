// The parts of the player that need no sound: the volume mapping, failure
// codes and messages, the .wax reader and the track bar's range rule.
#include "app/ErrorBox.h"
#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/VolumeMapping.h"
#include "player/EDirectShowException.h"
#include "player/TDSTrackBar.h"
#include "player/WaxPlaylist.h"

#include <QSet>
#include <QTest>

class TestPlayerParts : public QObject {
    Q_OBJECT

private slots:
    void volumeMapping_data()
    {
        QTest::addColumn<int>("volume");
        QTest::addColumn<VolumeCurve>("curve");
        QTest::addColumn<int>("engine");
        QTest::newRow("0") << 0 << VolumeCurve::Logarithmic << -10000;
        QTest::newRow("1") << 1 << VolumeCurve::Logarithmic << -9247;
        QTest::newRow("100") << 100 << VolumeCurve::Logarithmic << -4989;
        QTest::newRow("1000") << 1000 << VolumeCurve::Logarithmic << -2499;
        QTest::newRow("5000") << 5000 << VolumeCurve::Logarithmic << -752;
        QTest::newRow("9999") << 9999 << VolumeCurve::Logarithmic << 0;
        QTest::newRow("10000") << 10000 << VolumeCurve::Logarithmic << 0;
        QTest::newRow("below range") << -7 << VolumeCurve::Logarithmic << -10000;
        QTest::newRow("above range") << 25000 << VolumeCurve::Logarithmic << 0;
        QTest::newRow("straight 5000") << 5000 << VolumeCurve::Straight << -5000;
        QTest::newRow("straight 0") << 0 << VolumeCurve::Straight << -10000;
        QTest::newRow("straight 10000") << 10000 << VolumeCurve::Straight << 0;
        QTest::newRow("straight above range") << 12000 << VolumeCurve::Straight << 0;
    }
    void volumeMapping()
    {
        QFETCH(int, volume);
        QFETCH(VolumeCurve, curve);
        QFETCH(int, engine);
        QCOMPARE(EngineVolume(volume, curve), engine);
    }

    void exceptionCarriesCodeAndHexSuffix()
    {
        const EDirectShowException e(EngineCode::NothingLoaded, QStringLiteral("Nothing here"));
        QCOMPARE(e.Code(), EngineCode::NothingLoaded);
        QCOMPARE(e.Message(), QStringLiteral("Nothing here ($8004030A)."));
        // The error box adds no second full stop.
        QCOMPARE(ErrorBoxText(e.Message()), e.Message());
        const Exception &base = e;
        QCOMPARE(QString::fromUtf8(base.what()), e.Message());
        // The text is cut at 255 characters, the code kept.
        const EDirectShowException longer(EngineCode::FileNotFound, QString(300, QLatin1Char('x')));
        QCOMPARE(longer.Message(), QString(255, QLatin1Char('x')) + QStringLiteral(" ($80070002)."));
    }

    void failureCodesAreDistinctFailuresWithTheirOwnTexts()
    {
        const QList<int32_t> codes = {EngineCode::FileNotFound, EngineCode::CannotOpen, EngineCode::EmptyFile,
                                      EngineCode::NotAudio, EngineCode::BadFormat, EngineCode::MissingDecoder,
                                      EngineCode::PlaylistEntryMissing, EngineCode::BadPlaylist,
                                      EngineCode::EngineUnavailable, EngineCode::OpenTimeout,
                                      EngineCode::PlaybackFailed, EngineCode::NothingLoaded,
                                      EngineCode::PlaylistTooLarge};
        QSet<int32_t> seenCodes;
        QSet<QString> seenTexts;
        for (int32_t code : codes) {
            QVERIFY(Failed(code));
            seenCodes.insert(code);
            seenTexts.insert(EngineCodeText(code));
        }
        QCOMPARE(seenCodes.size(), codes.size());
        QCOMPARE(seenTexts.size(), codes.size());
        QVERIFY(!Failed(S_OK));
        QVERIFY(!Failed(S_FALSE));
    }

    void waxFirstEntryRef_data()
    {
        QTest::addColumn<QString>("asx");
        QTest::addColumn<QString>("href");
        QTest::newRow("plain") << R"(<ASX version="3.0"><Entry><Ref href="a.mp3"/></Entry></ASX>)" << "a.mp3";
        QTest::newRow("any case") << R"(<asx><ENTRY><REF HREF="b.wav" /></ENTRY></asx>)" << "b.wav";
        QTest::newRow("first entry wins")
            << R"(<asx><entry><ref href="one.mp3"/></entry><entry><ref href="two.mp3"/></entry></asx>)" << "one.mp3";
        QTest::newRow("ref outside an entry is no entry")
            << R"(<asx><ref href="no.mp3"/><entry><title>T</title><ref href="yes.mp3"/><ref href="later.mp3"/></entry></asx>)"
            << "yes.mp3";
        QTest::newRow("single quotes") << "<asx><entry><ref href='c d.mp3'></entry></asx>" << "c d.mp3";
        QTest::newRow("no quotes") << "<asx><entry><ref href=e.mp3></entry></asx>" << "e.mp3";
        QTest::newRow("other attributes and blanks")
            << R"(<asx><entry>
                   <ref title="x" HREF = "f.mp3" >
                 </entry></asx>)" << "f.mp3";
        QTest::newRow("entities") << R"(<asx><entry><ref href="a&amp;b &#233;&#x41;&lt;&unknown;.mp3"/></entry></asx>)"
                                  << QString::fromUtf8("a&b éA<&unknown;.mp3");
        QTest::newRow("comment hides an entry")
            << R"(<asx><!-- <entry><ref href="old.mp3"/></entry> --><entry><ref href="new.mp3"/></entry></asx>)"
            << "new.mp3";
        QTest::newRow("quoted angle bracket") << R"(<asx><entry><ref href="a>b.mp3"/></entry></asx>)" << "a>b.mp3";
        QTest::newRow("xml declaration") << R"(<?xml version="1.0"?><asx><entry><ref href="g.mp3"/></entry></asx>)"
                                         << "g.mp3";
        QTest::newRow("no entry") << R"(<asx><ref href="a.mp3"/></asx>)" << QString();
        QTest::newRow("entry without ref") << R"(<asx><entry><title>x</title></entry><entry><ref href="b.mp3"/></entry></asx>)"
                                           << QString();
        QTest::newRow("empty href") << R"(<asx><entry><ref href=""/></entry></asx>)" << QString();
        QTest::newRow("not a playlist") << "just some words" << QString();
    }
    void waxFirstEntryRef()
    {
        QFETCH(QString, asx);
        QFETCH(QString, href);
        const std::optional<QString> found = WaxPlaylist::FirstEntryRef(asx);
        if (href.isEmpty()) {
            QVERIFY2(!found, qPrintable(found.value_or(QString())));
        } else {
            QVERIFY(found);
            QCOMPARE(*found, href);
        }
    }

    void waxRefResolution_data()
    {
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("resolved");
        QTest::addColumn<bool>("remote");
        QTest::newRow("relative") << "tone.mp3" << "/p/list/tone.mp3" << false;
        QTest::newRow("windows separators") << "..\\sound\\Yee Haa.wav" << "/p/sound/Yee Haa.wav" << false;
        QTest::newRow("absolute") << "/music/a.wav" << "/music/a.wav" << false;
        QTest::newRow("file uri") << "file:///music/a%20b.mp3" << "/music/a b.mp3" << false;
        QTest::newRow("file uri any case") << "FILE:///music/c.mp3" << "/music/c.mp3" << false;
        QTest::newRow("web stream") << "http://example.org/s.mp3" << "http://example.org/s.mp3" << true;
    }
    void waxRefResolution()
    {
        QFETCH(QString, href);
        QFETCH(QString, resolved);
        QFETCH(bool, remote);
        const QString target = WaxPlaylist::ResolveRef(href, QStringLiteral("/p/list"));
        QCOMPARE(target, resolved);
        QCOMPARE(WaxPlaylist::IsRemoteUri(target), remote);
    }

    void waxTextEncodings()
    {
        const QString expected = QString::fromUtf8("<ref href=\"é.mp3\">");
        QByteArray utf16("\xFF\xFE");
        for (QChar c : expected)
            utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
        QCOMPARE(WaxPlaylist::DecodeText(utf16), expected);
        QCOMPARE(WaxPlaylist::DecodeText("\xEF\xBB\xBF" + expected.toUtf8()), expected);
        QCOMPARE(WaxPlaylist::DecodeText(expected.toUtf8()), expected);
        QCOMPARE(WaxPlaylist::DecodeText(expected.toLatin1()), expected);
    }

    void waxPlaylistExtensions()
    {
        QVERIFY(WaxPlaylist::IsPlaylistPath("/a/b.wax"));
        QVERIFY(WaxPlaylist::IsPlaylistPath("/a/B.WAX"));
        QVERIFY(WaxPlaylist::IsPlaylistPath("/a/b.asx"));
        QVERIFY(!WaxPlaylist::IsPlaylistPath("/a/b.wav"));
        QVERIFY(!WaxPlaylist::IsPlaylistPath("/a/wax"));
    }

    void trackBarKeepsPositionInsideTheRange()
    {
        TDSTrackBar bar;
        bar.SetPosition(25);
        QCOMPARE(bar.Position(), 10); // pulled to the nearer bound
        bar.SetPosition(-4);
        QCOMPARE(bar.Position(), 0);
        bar.SetPosition(8);
        bar.SetMax(5); // a Max below Position pulls it down
        QCOMPARE(bar.Max(), 5);
        QCOMPARE(bar.Position(), 5);
        bar.SetMax(-1); // a Max below Min is ignored (Qt would lower Min instead)
        QCOMPARE(bar.Max(), 5);
        QCOMPARE(bar.Min(), 0);
        QCOMPARE(bar.Position(), 5);
        bar.SetMax(0); // equal to Min is fine
        QCOMPARE(bar.Max(), 0);
        QCOMPARE(bar.Position(), 0);
        bar.SetMax(12);
        bar.SetMin(3); // Position follows a raised Min
        QCOMPARE(bar.Position(), 3);
        bar.SetMin(13); // a Min above Max is ignored too
        QCOMPARE(bar.Min(), 3);
        // The slider underneath shows the same values.
        QCOMPARE(bar.minimum(), 3);
        QCOMPARE(bar.maximum(), 12);
        QCOMPARE(bar.value(), 3);
    }
};

QTEST_MAIN(TestPlayerParts)
#include "tst_playerparts.moc"
