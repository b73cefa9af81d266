#pragma once

#include <QRect>

#include <cstdint>
#include <functional>

class QWidget;
class TDSTrackBar;
class TFilterGraph;

// The forms' track bar: hidden, following graph's playback every 100 ms, and
// handing each tick to onTimer inside the error guard. A null geometry keeps
// the widget's own.
TDSTrackBar *NewTrackBar(QWidget *parent, TFilterGraph *graph, const QRect &geometry,
                         std::function<void(TDSTrackBar *, uint32_t, uint32_t)> onTimer);
