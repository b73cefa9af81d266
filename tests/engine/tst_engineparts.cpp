// The parts of the engine that need no sound: how GStreamer's errors become
// our codes and texts.
#include "engine/GstFailure.h"
#include "engine/protocol/EngineCodes.h"

#include <QTest>

#include <gst/gst.h>

class TestEngineParts : public QObject {
    Q_OBJECT

private slots:
    void gstreamerErrorCascadeIsReadByItsCause_data()
    {
        QTest::addColumn<QList<int>>("errors"); // domain index, code, fromSource, fromSink
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("textHas");
        // Domains: 0 core, 1 resource, 2 stream.
        QTest::newRow("missing file") << QList<int>{1, GST_RESOURCE_ERROR_NOT_FOUND, 1, 0, 0, GST_CORE_ERROR_STATE_CHANGE, 1, 0}
                                      << QStringList() << EngineCode::FileNotFound << "/s/a.wav";
        QTest::newRow("unknown type after generic") << QList<int>{2, GST_STREAM_ERROR_FAILED, 0, 0, 2, GST_STREAM_ERROR_TYPE_NOT_FOUND, 0, 0}
                                                    << QStringList() << EngineCode::NotAudio << "no sound";
        QTest::newRow("damaged header") << QList<int>{2, GST_STREAM_ERROR_WRONG_TYPE, 0, 0, 2, GST_STREAM_ERROR_FAILED, 0, 0}
                                        << QStringList() << EngineCode::BadFormat << "damaged";
        QTest::newRow("missing plug-in notice") << QList<int>{0, GST_CORE_ERROR_MISSING_PLUGIN, 0, 0}
                                                << QStringList{"MPEG-1 Layer 3 (MP3) decoder"}
                                                << EngineCode::MissingDecoder << "MPEG-1 Layer 3 (MP3) decoder";
        QTest::newRow("codec not found") << QList<int>{2, GST_STREAM_ERROR_CODEC_NOT_FOUND, 0, 0}
                                         << QStringList() << EngineCode::MissingDecoder << "not installed";
        QTest::newRow("unreadable file") << QList<int>{1, GST_RESOURCE_ERROR_OPEN_READ, 1, 0}
                                         << QStringList() << EngineCode::CannotOpen << "/s/a.wav";
        QTest::newRow("audio output") << QList<int>{1, GST_RESOURCE_ERROR_OPEN_WRITE, 0, 1}
                                      << QStringList() << EngineCode::PlaybackFailed << "output";
        QTest::newRow("no message at all") << QList<int>{} << QStringList() << EngineCode::BadFormat << "/s/a.wav";
    }
    void gstreamerErrorCascadeIsReadByItsCause()
    {
        QFETCH(QList<int>, errors);
        QFETCH(QStringList, missing);
        QFETCH(int, code);
        QFETCH(QString, textHas);
        const GQuark domains[] = {GST_CORE_ERROR, GST_RESOURCE_ERROR, GST_STREAM_ERROR};
        std::vector<GstErrorReport> reports;
        for (int i = 0; i + 3 < errors.size(); i += 4) {
            GstErrorReport r;
            r.domain = domains[errors[i]];
            r.code = errors[i + 1];
            r.message = QStringLiteral("engine says %1").arg(i);
            r.fromSource = errors[i + 2];
            r.fromSink = errors[i + 3];
            reports.push_back(r);
        }
        const EngineFailure failure = ClassifyGstFailure(reports, missing, QStringLiteral("/s/a.wav"));
        QCOMPARE(failure.code, code);
        QVERIFY2(failure.text.contains(textHas), qPrintable(failure.text));
    }
};

QTEST_GUILESS_MAIN(TestEngineParts)
#include "tst_engineparts.moc"
