// The player's state rules on a real engine: activation, notices, the poll
// timer, clearing, stopping, failures and the volume.
#include "BlockingEngine.h"
#include "ErrorBoxCapture.h"
#include "TestWav.h"

#include "engine/protocol/EngineCodes.h"
#include "player/AsyncEngine.h"
#include "player/EDirectShowException.h"
#include "player/PlayerRuntime.h"
#include "player/TDSTrackBar.h"
#include "player/TFilterGraph.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

namespace {

class RecordingListener : public IGraphListener {
public:
    QStringList notices;
    QList<long> events;
    bool destroyed = false;
    bool throwOnEvent = false;

    void ControlNotice(Notice notice, int param) override
    {
        static const char *const names[] = {"play", "stop", "rendering", "rendered", "active"};
        QString text = QString::fromLatin1(names[int(notice)]);
        if (notice == Notice::Active)
            text += QLatin1Char(' ') + QString::number(param);
        notices << text;
    }
    void EngineEvent(long event, intptr_t, intptr_t) override
    {
        events << event;
        if (throwOnEvent)
            throw Exception(QStringLiteral("listener failed"));
    }
    void GraphDestroyed(TFilterGraph *) override { destroyed = true; }
};

// For what takes milliseconds on an idle machine and may take seconds on a busy one.
constexpr int kWaitMs = 10000;

struct Report {
    uint32_t current;
    uint32_t stop;
    int position;
    int max;
};

} // namespace

class TestFilterGraph : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString longWav_;  // 1.2 s
    QString shortWav_; // 0.3 s
    std::unique_ptr<TFilterGraph> graph_;
    std::unique_ptr<TDSTrackBar> bar_;
    RecordingListener listener_;
    QList<Report> reports_;

    void Bind()
    {
        bar_->SetFilterGraph(graph_.get());
        bar_->SetTimerInterval(100);
        bar_->SetOnTimer([this](TDSTrackBar *sender, uint32_t current, uint32_t stop) {
            reports_.append({current, stop, sender->Position(), sender->Max()});
        });
        graph_->AddListener(&listener_);
    }

    void StartSound(const QString &path)
    {
        graph_->Stop();
        if (!graph_->Active())
            graph_->SetActive(true);
        graph_->ClearGraph();
        graph_->RenderFile(path);
        graph_->Play();
    }

    // Until the engine's thread has carried out every call made so far.
    bool Settle() { return QTest::qWaitFor([this] { return graph_->Engine()->Idle(); }, kWaitMs); }

    QTimer *PollTimer() const { return bar_->findChild<QTimer *>(QStringLiteral("PositionTimer")); }

private slots:
    void cleanupTestCase() { QVERIFY(BlockingEngine::WaitForEnginesToClose()); }
    void initTestCase()
    {
        // The engine's process starts when a player is first activated.
        QVERIFY(!PlayerRuntimeStarted());
        {
            TFilterGraph graph;
            QVERIFY(!PlayerRuntimeStarted());
            graph.SetActive(true);
            // Started on the engine's thread, not in the call.
            QTRY_VERIFY_WITH_TIMEOUT(PlayerRuntimeStarted(), 30000);
        }
        QVERIFY(dir_.isValid());
        longWav_ = dir_.filePath(QStringLiteral("long.wav"));
        shortWav_ = dir_.filePath(QStringLiteral("short.wav"));
        QVERIFY(TestWav::WriteTone(longWav_, 1200));
        QVERIFY(TestWav::WriteTone(shortWav_, 300));
    }

    void init()
    {
        graph_ = std::make_unique<TFilterGraph>();
        bar_ = std::make_unique<TDSTrackBar>();
        listener_ = RecordingListener();
        reports_.clear();
        Bind();
    }

    void cleanup()
    {
        bar_.reset();
        if (graph_)
            graph_->RemoveListener(&listener_);
        graph_.reset();
    }

    void inactiveGraphDoesNothing()
    {
        QVERIFY(!graph_->Active());
        QVERIFY(!graph_->Play());
        QVERIFY(!graph_->Stop());
        graph_->ClearGraph();
        QCOMPARE(graph_->RenderFile(longWav_), S_FALSE);
        QVERIFY(listener_.notices.isEmpty());
        QVERIFY(!bar_->TimerRunning());
        QVERIFY(!graph_->Active());
    }

    void activationIsAnnouncedOnceEachWay()
    {
        graph_->SetActive(true);
        QCOMPARE(listener_.notices, QStringList{"active 1"});
        graph_->SetActive(true);
        QCOMPARE(listener_.notices, QStringList{"active 1"});
        QVERIFY(graph_->Engine());
        graph_->SetActive(false);
        graph_->SetActive(false);
        QCOMPARE(listener_.notices, QStringList({"active 1", "active 0"}));
        QVERIFY(!graph_->Engine());
    }

    void startSequenceSendsItsNoticesInOrder()
    {
        graph_->SetActive(true);
        listener_.notices.clear();
        QVERIFY(graph_->Stop());
        graph_->ClearGraph();
        QCOMPARE(graph_->RenderFile(longWav_), S_OK);
        QVERIFY(graph_->Play());
        // "Rendered" comes when the engine's thread has the sound ready.
        QCOMPARE(listener_.notices, QStringList({"stop", "stop", "rendering", "play"}));
        QVERIFY(bar_->TimerRunning());
        QVERIFY(QTest::qWaitFor([this] { return !reports_.isEmpty(); }, kWaitMs));
        QCOMPARE(listener_.notices, QStringList({"stop", "stop", "rendering", "play", "rendered"}));
    }

    void failedRenderDeactivatesWhenItIsKnown()
    {
        QList<int32_t> failures;
        connect(graph_.get(), &TFilterGraph::Failed, this, [&](int32_t code, const QString &message) {
            failures << code;
            QVERIFY(message.contains(QStringLiteral("nothing here.wav")));
            QVERIFY(message.endsWith(QStringLiteral(" ($80070002).")));
        });
        graph_->SetActive(true);
        listener_.notices.clear();
        const QString missing = dir_.filePath(QStringLiteral("nothing here.wav"));
        // Nothing is raised: the file is not even looked at on this thread.
        QCOMPARE(graph_->RenderFile(missing), S_OK);
        QVERIFY(graph_->Play());
        QTRY_VERIFY_WITH_TIMEOUT(!graph_->Active(), kWaitMs);
        QCOMPARE(failures, QList<int32_t>({EngineCode::FileNotFound}));
        QCOMPARE(listener_.notices, QStringList({"rendering", "play", "active 0"}));
        QVERIFY(!graph_->Engine());
        // The next start works.
        StartSound(longWav_);
        QVERIFY(QTest::qWaitFor([this] { return !reports_.isEmpty(); }, kWaitMs));
    }

    void failureAndEventsOfAReplacedSoundAreIgnored()
    {
        // A sound that breaks while it opens, replaced by another before it
        // has: its failure and its events are about a sound that is gone.
        const QString broken = QStringLiteral("/mnt/hung/broken.wav");
        const QString good = QStringLiteral("/music/good.wav");
        BlockingEngine::Reset(broken, 10000);
        BlockingEngine::Shared().slowFails = true;
        SetPlaybackEngineFactory([] { return std::make_unique<BlockingEngine>(); });
        QSignalSpy failed(graph_.get(), &TFilterGraph::Failed);
        StartSound(broken);
        QTRY_COMPARE_WITH_TIMEOUT(BlockingEngine::Shared().rendersStarted.load(), 1, kWaitMs);
        graph_->RenderFile(good); // no clear: the same engine carries both out
        graph_->Play();
        BlockingEngine::ReleaseAll();
        QTRY_VERIFY_WITH_TIMEOUT(listener_.notices.contains(QStringLiteral("rendered")), kWaitMs);
        QCoreApplication::processEvents(); // what the broken sound's reports posted on
        SetPlaybackEngineFactory({});
        QCOMPARE(BlockingEngine::LastRendered(), good);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(listener_.events, QList<long>());
        QVERIFY(graph_->Active());
    }

    void clearsDuringAHungRenderStartNoMoreThanTheCap()
    {
        const QString hung = QStringLiteral("/mnt/hung/a.wav");
        BlockingEngine::Reset(hung, 60000);
        SetPlaybackEngineFactory([] { return std::make_unique<BlockingEngine>(); });
        graph_->SetActive(true);
        QTRY_COMPARE_WITH_TIMEOUT(EngineThreadsRunning(), 1, kWaitMs); // earlier tests' engines have closed
        for (int i = 0; i < 2 * kMaxEngineThreads; ++i) {
            const bool atCap = EngineThreadsRunning() == kMaxEngineThreads;
            graph_->ClearGraph(); // a fresh engine takes over from the hung one, below the cap
            QVERIFY(EngineThreadsRunning() <= kMaxEngineThreads);
            graph_->RenderFile(hung);
            if (!atCap) // so the next clear meets a hung render
                QTRY_COMPARE_WITH_TIMEOUT(BlockingEngine::Shared().rendersStarted.load(), i + 1, kWaitMs);
        }
        BlockingEngine::ReleaseAll();
        QVERIFY(Settle()); // what waited behind the hung render is carried out
        SetPlaybackEngineFactory({});
    }

    void reportsCountWholeIntervals()
    {
        bar_->SetTimerInterval(250);
        StartSound(longWav_);
        QVERIFY(QTest::qWaitFor([this] { return reports_.size() >= 3; }, kWaitMs));
        for (const Report &r : reports_) {
            QVERIFY(qAbs(int(r.stop) - 1200) <= 2);
            QCOMPARE(r.max, int(r.stop / 250));
            QCOMPARE(r.position, qMin(int(r.current / 250), r.max));
        }
        QVERIFY(reports_.last().current > reports_.first().current);
    }

    void stopKeepsThePositionAndEndsTheReports()
    {
        StartSound(longWav_);
        QTRY_VERIFY_WITH_TIMEOUT(!reports_.isEmpty() && reports_.last().current >= 250, kWaitMs);
        QVERIFY(graph_->Stop());
        QVERIFY(!bar_->TimerRunning());
        QVERIFY(Settle());
        int64_t stoppedAt = 0;
        QVERIFY(graph_->Engine()->GetCurrentPosition(stoppedAt));
        QVERIFY2(stoppedAt >= 2500000, qPrintable(QString::number(stoppedAt)));
        const qsizetype count = reports_.size();
        // Any command makes the engine read its position again.
        graph_->Engine()->SetVolume(0);
        QVERIFY(Settle());
        int64_t later = 0;
        QVERIFY(graph_->Engine()->GetCurrentPosition(later));
        QCOMPARE(later, stoppedAt);
        QCOMPARE(reports_.size(), count);
        // Playing again goes on from where it stopped.
        QVERIFY(graph_->Play());
        QVERIFY(QTest::qWaitFor([&] { return reports_.size() > count; }, kWaitMs));
        QVERIFY(int64_t(reports_.last().current) * 10000 >= stoppedAt);
    }

    void clearThenRenderStartsTheNewSoundFromZero()
    {
        StartSound(longWav_);
        QTRY_VERIFY_WITH_TIMEOUT(!reports_.isEmpty() && reports_.last().current >= 350, kWaitMs);
        graph_->ClearGraph();
        QCOMPARE(graph_->RenderFile(shortWav_), S_OK);
        QVERIFY(Settle());
        int64_t position = -1;
        QVERIFY(graph_->Engine()->GetCurrentPosition(position));
        QCOMPARE(position, int64_t(0));
        int64_t length = 0;
        QVERIFY(graph_->Engine()->GetDuration(length));
        QVERIFY(qAbs(length - 3000000) <= 20000); // the new sound's
    }

    // With a one-second poll, so that a busy machine's pause between two
    // lines here never looks like a restart, nor hides one.
    void secondPlayDoesNotRestartThePoll()
    {
        bar_->SetTimerInterval(1000);
        StartSound(longWav_);
        QTRY_VERIFY_WITH_TIMEOUT(PollTimer()->isActive() && PollTimer()->remainingTime() < 500, kWaitMs);
        const int before = PollTimer()->remainingTime();
        listener_.notices.clear();
        QVERIFY(graph_->Play());
        QCOMPARE(listener_.notices, QStringList{"play"}); // the notice is sent again
        const int after = PollTimer()->remainingTime();
        QVERIFY2(after <= before + 5, qPrintable(QStringLiteral("%1 then %2").arg(before).arg(after)));
    }

    void assigningOnTimerRestartsThePoll()
    {
        bar_->SetTimerInterval(1000);
        StartSound(longWav_);
        QTRY_VERIFY_WITH_TIMEOUT(PollTimer()->isActive() && PollTimer()->remainingTime() < 500, kWaitMs);
        const int before = PollTimer()->remainingTime();
        bool called = false;
        bar_->SetOnTimer([&](TDSTrackBar *, uint32_t, uint32_t) { called = true; });
        QVERIFY(PollTimer()->remainingTime() > before);
        QVERIFY(QTest::qWaitFor([&] { return called; }, kWaitMs));
    }

    void intervalZeroStopsTheReports()
    {
        StartSound(longWav_);
        QVERIFY(QTest::qWaitFor([this] { return !reports_.isEmpty(); }, kWaitMs));
        bar_->SetTimerInterval(0);
        QVERIFY(!PollTimer()->isActive()); // so no more reports
        const qsizetype count = reports_.size();
        bar_->SetTimerInterval(100);
        QVERIFY(QTest::qWaitFor([&] { return reports_.size() > count; }, kWaitMs));
    }

    void errorInReportIsShownAndThePollGoesOn()
    {
        const ErrorBoxCapture errors;
        int calls = 0;
        bar_->SetOnTimer([&](TDSTrackBar *, uint32_t, uint32_t) {
            ++calls;
            throw Exception(QStringLiteral("report failed"));
        });
        StartSound(longWav_);
        QVERIFY(QTest::qWaitFor([&] { return calls >= 3; }, kWaitMs));
        QVERIFY(errors.shown.size() >= 3);
        QCOMPARE(errors.shown.first(), QStringLiteral("report failed."));
    }

    void engineEventsReachListenersAndErrorsInThemAreShown()
    {
        const ErrorBoxCapture errors;
        listener_.throwOnEvent = true;
        StartSound(shortWav_);
        // Not stopped at its end: the engine reports the end itself.
        QVERIFY(QTest::qWaitFor([this] { return listener_.events.contains(EngineEventCode::Complete); }, kWaitMs));
        QVERIFY(!errors.shown.isEmpty());
        QCOMPARE(errors.shown.first(), QStringLiteral("listener failed."));
        // The pump runs again for later notices.
        listener_.events.clear();
        StartSound(shortWav_);
        QVERIFY(QTest::qWaitFor([this] { return listener_.events.contains(EngineEventCode::Complete); }, kWaitMs));
    }

    void reportsAtTheEndGivePositionEqualToMax()
    {
        StartSound(shortWav_);
        QVERIFY(QTest::qWaitFor([this] { return listener_.events.contains(EngineEventCode::Complete); }, kWaitMs));
        reports_.clear();
        QVERIFY(QTest::qWaitFor([this] { return !reports_.isEmpty(); }, kWaitMs));
        QCOMPARE(reports_.last().position, reports_.last().max);
        QCOMPARE(reports_.last().max, 3);
    }

    // Deactivated, or destroyed before its bar: the poll may still tick but has nothing to read.
    void barOutlivesItsEngine_data()
    {
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("deactivated") << false;
        QTest::newRow("destroyed") << true;
    }
    void barOutlivesItsEngine()
    {
        QFETCH(bool, destroyed);
        StartSound(longWav_);
        QVERIFY(QTest::qWaitFor([this] { return !reports_.isEmpty(); }, kWaitMs));
        if (destroyed) {
            graph_.reset();
            QVERIFY(listener_.destroyed);
            QCOMPARE(bar_->FilterGraph(), nullptr);
        } else {
            graph_->SetActive(false);
        }
        const qsizetype count = reports_.size();
        QSignalSpy ticks(PollTimer(), &QTimer::timeout);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 2, kWaitMs);
        QCOMPARE(reports_.size(), count);
        bar_->SeekTo(5);
    }

    void barDestroyedBeforeItsGraph()
    {
        StartSound(longWav_);
        bar_.reset();
        // The graph must not call the destroyed bar.
        graph_->Stop();
        graph_->ClearGraph();
        // The clear of the start, then Stop and the clear.
        QCOMPARE(listener_.notices.count(QStringLiteral("stop")), 3);
    }

    void volumeIsAppliedAfterEachRender_data()
    {
        QTest::addColumn<int>("volume");
        QTest::addColumn<bool>("linear");
        QTest::addColumn<int>("level");
        QTest::newRow("full") << 10000 << true << 0;
        QTest::newRow("half, logarithmic") << 5000 << true << -752;
        QTest::newRow("half, straight") << 5000 << false << -5000;
        QTest::newRow("silent") << 0 << true << -10000;
    }
    void volumeIsAppliedAfterEachRender()
    {
        QFETCH(int, volume);
        QFETCH(bool, linear);
        QFETCH(int, level);
        graph_->SetActive(true);
        graph_->SetVolume(volume);
        graph_->SetLinearVolume(linear);
        graph_->RenderFile(shortWav_);
        QVERIFY(Settle());
        const double gain = level <= -10000 ? 0.0 : std::pow(10.0, level / 2000.0);
        QVERIFY(qAbs(graph_->Engine()->OutputGain() - gain) < 1e-6);
    }

    // Last: the runtime cannot come back after it was shut down.
    void shutdownWaitsForTheLastActivePlayer()
    {
        bar_.reset();
        graph_->SetActive(true);
        QVERIFY(Settle());
        ShutdownPlayerRuntime(0);
        QVERIFY(!PlayerRuntimeStarted());
        // Still usable until it deactivates: GStreamer has not gone yet.
        graph_->ClearGraph();
        QCOMPARE(graph_->RenderFile(shortWav_), S_OK);
        QVERIFY(graph_->Play());
        QVERIFY(Settle());
        QVERIFY(graph_->Engine()->HasSound());
        graph_.reset();
        ShutdownPlayerRuntime(0); // a second call does nothing
        TFilterGraph graph;
        try {
            graph.SetActive(true);
            QFAIL("activated after shutdown");
        } catch (const EDirectShowException &e) {
            QCOMPARE(e.Code(), EngineCode::EngineUnavailable);
        }
        QVERIFY(!graph.Active());
    }
};

QTEST_MAIN(TestFilterGraph)
#include "tst_filtergraph.moc"
