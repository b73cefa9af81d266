#include "windows/NewTrackBar.h"

#include "app/ErrorBox.h"
#include "player/TDSTrackBar.h"

TDSTrackBar *NewTrackBar(QWidget *parent, TFilterGraph *graph, const QRect &geometry,
                         std::function<void(TDSTrackBar *, uint32_t, uint32_t)> onTimer)
{
    auto *bar = new TDSTrackBar(parent);
    bar->setObjectName(QStringLiteral("DSTrackBar"));
    if (!geometry.isNull())
        bar->setGeometry(geometry);
    bar->hide();
    bar->SetFilterGraph(graph);
    bar->SetTimerInterval(100);
    bar->SetOnTimer([onTimer = std::move(onTimer)](TDSTrackBar *sender, uint32_t current, uint32_t stop) {
        Guarded([&] { onTimer(sender, current, stop); });
    });
    return bar;
}
