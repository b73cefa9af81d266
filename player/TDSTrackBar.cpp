#include "player/TDSTrackBar.h"

#include "app/ErrorBox.h"
#include "app/Exception.h"
#include "player/AsyncEngine.h"
#include "player/TFilterGraph.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int64_t kUnitsPerMs = 10000;        // engine units of 100 ns
constexpr int64_t kUnitsPerTenth = 1000000;
} // namespace

TDSTrackBar::TDSTrackBar(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    timer_.setObjectName(QStringLiteral("PositionTimer"));
    timer_.setParent(this);
    connect(&timer_, &QTimer::timeout, this, &TDSTrackBar::Tick);
    ShowRange();
}

TDSTrackBar::~TDSTrackBar()
{
    timerRunning_ = false;
    timer_.stop();
    SetFilterGraph(nullptr);
}

void TDSTrackBar::SetFilterGraph(TFilterGraph *graph)
{
    if (graph == graph_)
        return;
    if (graph_)
        graph_->RemoveListener(this);
    graph_ = graph;
    // A graph that is already active has its engine now.
    seeking_ = graph_ ? graph_->Engine() : nullptr;
    if (graph_)
        graph_->AddListener(this);
}

void TDSTrackBar::SetTimerInterval(uint32_t ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    RearmTimer();
}

void TDSTrackBar::SetOnTimer(TimerEvent handler)
{
    onTimer_ = std::move(handler);
    RearmTimer();
}

void TDSTrackBar::SetMin(int value)
{
    if (value > max_)
        return;
    min_ = value;
    position_ = std::max(position_, min_);
    ShowRange();
}

void TDSTrackBar::SetMax(int value)
{
    if (value < min_)
        return;
    max_ = value;
    position_ = std::min(position_, max_);
    ShowRange();
}

void TDSTrackBar::SetPosition(int value)
{
    position_ = std::clamp(value, min_, max_);
    ShowRange();
}

void TDSTrackBar::ShowRange()
{
    // Our own fields hold the rule; the slider only shows them.
    QSignalBlocker block(this);
    setRange(min_, max_);
    setValue(position_);
}

void TDSTrackBar::SeekTo(int64_t value)
{
    if (!seeking_)
        return;
    int64_t stop = 0;
    seeking_->GetStopPosition(stop);
    seeking_->SetPositions(value * kUnitsPerTenth, stop, false);
}

void TDSTrackBar::ControlNotice(Notice notice, int param)
{
    switch (notice) {
    case Notice::Play:
        SetTimerRunning(isEnabled());
        break;
    case Notice::Stop:
        SetTimerRunning(false);
        break;
    case Notice::Active:
        seeking_ = (param == 1 && graph_) ? graph_->Engine() : nullptr;
        break;
    case Notice::FileRendering:
    case Notice::FileRendered:
        break;
    }
}

void TDSTrackBar::EngineEvent(long, intptr_t, intptr_t)
{
    // No event of our engine needs the bar: a sound starts at 0 after each
    // render, so a change of clock has nothing to put back.
}

void TDSTrackBar::GraphDestroyed(TFilterGraph *graph)
{
    if (graph != graph_)
        return;
    seeking_ = nullptr;
    graph_ = nullptr;
}

void TDSTrackBar::SetTimerRunning(bool running)
{
    if (running == timerRunning_)
        return;
    timerRunning_ = running;
    RearmTimer();
}

void TDSTrackBar::RearmTimer()
{
    timer_.stop();
    if (interval_ == 0 || !timerRunning_)
        return;
    timer_.start(static_cast<int>(std::min<uint32_t>(interval_, INT_MAX)));
    if (!timer_.isActive())
        throw EOutOfResources(QStringLiteral("Not enough timers available"));
}

void TDSTrackBar::Tick()
{
    Guarded([this] {
        if (!seeking_ || interval_ == 0)
            return;
        int64_t duration = 0;
        if (!seeking_->GetDuration(duration))
            return;
        int64_t position = 0;
        if (!seeking_->GetCurrentPosition(position))
            return;
        const auto currentPos = static_cast<uint32_t>(position / kUnitsPerMs);
        const auto stopPos = static_cast<uint32_t>(duration / kUnitsPerMs);
        SetMin(0);
        SetMax(static_cast<int>(std::min<uint32_t>(stopPos / interval_, INT_MAX)));
        SetPosition(static_cast<int>(std::min<uint32_t>(currentPos / interval_, INT_MAX)));
        if (onTimer_)
            onTimer_(this, currentPos, stopPos);
    });
}
