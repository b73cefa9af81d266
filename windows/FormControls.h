#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

#include <cstdint>
#include <functional>

class QWidget;
class TDSTrackBar;
class TFilterGraph;

// Setup the forms share.

// The first of families that is installed, else the desktop's sans serif.
QFont FormFont(const QStringList &families, int pixelSize, QFont::Weight weight = QFont::Normal);

// A hidden track bar that follows graph's playback every 100 ms and hands
// each tick to onTimer inside the error guard.
TDSTrackBar *NewTrackBar(QWidget *parent, TFilterGraph *graph, const QRect &geometry,
                         std::function<void(TDSTrackBar *, uint32_t, uint32_t)> onTimer);
