#include "windows/FormControls.h"

#include "app/ErrorBox.h"
#include "player/TDSTrackBar.h"

QFont FormFont(const QStringList &families, int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(families + QStringList{QStringLiteral("Sans Serif")});
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

TDSTrackBar *NewTrackBar(QWidget *parent, TFilterGraph *graph, const QRect &geometry,
                         std::function<void(TDSTrackBar *, uint32_t, uint32_t)> onTimer)
{
    auto *bar = new TDSTrackBar(parent);
    bar->setObjectName(QStringLiteral("DSTrackBar"));
    bar->setGeometry(geometry);
    bar->hide();
    bar->SetFilterGraph(graph);
    bar->SetTimerInterval(100);
    bar->SetOnTimer([onTimer = std::move(onTimer)](TDSTrackBar *sender, uint32_t current, uint32_t stop) {
        Guarded([&] { onTimer(sender, current, stop); });
    });
    return bar;
}
