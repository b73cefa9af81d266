#include "PlayerDriver.h"

#include "player/EDirectShowException.h"

#include <QTest>

PlayerDriver::PlayerDriver()
{
    bar.setVisible(false);
    bar.SetFilterGraph(&graph);
    bar.SetTimerInterval(100);
    bar.SetOnTimer([this](TDSTrackBar *, uint32_t currentPos, uint32_t stopPos) { OnTimer(currentPos, stopPos); });
}

bool PlayerDriver::Start(const QString &path)
{
    reports.clear();
    seekAtMs = -1;
    endAtMs = -1;
    errorCode = 0;
    errorMessage.clear();
    skipPending_ = seekAtFirstReport;
    graph.Stop();
    clock_.start();
    try {
        if (!graph.Active())
            graph.SetActive(true);
        graph.ClearGraph();
        graph.RenderFile(path);
        graph.Play();
        return true;
    } catch (const EDirectShowException &e) {
        errorCode = e.Code();
        errorMessage = e.Message();
        graph.SetActive(false);
        return false;
    }
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
