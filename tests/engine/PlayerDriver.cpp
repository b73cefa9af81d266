#include "PlayerDriver.h"

#include "player/AsyncEngine.h"
#include "player/StartSound.h"

#include <QCoreApplication>
#include <QTest>

PlayerDriver::PlayerDriver()
{
    bar.setVisible(false);
    bar.SetFilterGraph(&graph);
    bar.SetTimerInterval(100);
    bar.SetOnTimer([this](TDSTrackBar *, uint32_t currentPos, uint32_t stopPos) { OnTimer(currentPos, stopPos); });
    QObject::connect(&graph, &TFilterGraph::Failed, [this](int32_t code, const QString &message) {
        errorCode = code;
        errorMessage = message;
    });
}

bool PlayerDriver::Start(const QString &path)
{
    reports.clear();
    seekAtMs = -1;
    endAtMs = -1;
    errorCode = 0;
    errorMessage.clear();
    skipPending_ = seekAtFirstReport;
    clock_.start();
    if (!StartSound(graph, path)) {
        errorMessage = QStringLiteral("the player refused to start");
        return false;
    }
    // A failure deactivates the graph; its engine is gone then.
    (void)QTest::qWaitFor([this] { return !graph.Active() || graph.Engine()->Idle(); }, 15000);
    // A failure was posted before the engine went idle, and reaches the
    // graph through a queued signal: two rounds of posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    return graph.Active() && errorCode == 0;
}

bool PlayerDriver::WaitForEnd(int timeoutMs)
{
    return QTest::qWaitFor([this] { return endAtMs >= 0; }, timeoutMs);
}

void PlayerDriver::OnTimer(uint32_t currentPos, uint32_t stopPos)
{
    const qint64 now = clock_.elapsed();
    reports.push_back({now, currentPos, stopPos, bar.Position(), bar.Max()});
    if (bar.Position() >= bar.Max()) {
        endAtMs = now;
        graph.Stop();
        graph.ClearGraph();
    }
    if (skipPending_) {
        bar.SeekTo(5);
        seekAtMs = clock_.elapsed();
        skipPending_ = false;
    }
}
