#pragma once

#include "player/IGraphListener.h"

#include <QSlider>
#include <QTimer>

#include <cstdint>
#include <functional>

class AsyncEngine;
class TFilterGraph;

// The position poll of the sound player: a track bar bound to one
// TFilterGraph. While the graph plays, a timer of TimerInterval ms reads the
// position and length, sets Max and Position in whole intervals, and reports
// them through OnTimer.
class TDSTrackBar : public QSlider, private IGraphListener {
    Q_OBJECT

public:
    explicit TDSTrackBar(QWidget *parent = nullptr);
    ~TDSTrackBar() override;

    void SetFilterGraph(TFilterGraph *graph);
    TFilterGraph *FilterGraph() const { return graph_; }

    void SetTimerInterval(uint32_t ms);
    uint32_t TimerInterval() const { return interval_; }

    // CurrentPos: the playing position; StopPos: the sound's length; both in ms.
    using TimerEvent = std::function<void(TDSTrackBar *sender, uint32_t CurrentPos, uint32_t StopPos)>;
    void SetOnTimer(TimerEvent handler);

    // Position always lies within Min..Max: a Position outside is pulled to the
    // nearer bound, a Max below Position pulls Position down, and a Max below
    // Min (or a Min above Max) is ignored.
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetMin(int value);
    void SetMax(int value);
    void SetPosition(int value);

    // Moves playing to value tenths of a second, leaving the stop position.
    void SeekTo(int64_t value);

    bool TimerRunning() const { return timerRunning_; }

private:
    void ControlNotice(Notice notice, int param) override;
    void EngineEvent(long event, intptr_t param1, intptr_t param2) override;
    void GraphDestroyed(TFilterGraph *graph) override;

    void SetTimerRunning(bool running);
    void RearmTimer();
    void Tick();
    void ShowRange();

    TFilterGraph *graph_ = nullptr;
    AsyncEngine *seeking_ = nullptr;
    QTimer timer_;
    uint32_t interval_ = 1000;
    TimerEvent onTimer_;
    bool timerRunning_ = false;
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
};
