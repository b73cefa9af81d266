#include "windows/WindowPlayer.h"

#include "app/ErrorBox.h"
#include "player/StartSound.h"
#include "player/TDSTrackBar.h"
#include "player/TFilterGraph.h"
#include "windows/ShowInPlace.h"

#include <QAbstractButton>

WindowPlayer::WindowPlayer(QWidget *barParent, const QRect &barGeometry, Report onReport)
    : QObject(barParent->window()), FilterGraph(new TFilterGraph(this)), DSTrackBar(new TDSTrackBar(barParent))
{
    FilterGraph->setObjectName(QStringLiteral("FilterGraph"));
    FilterGraph->SetLinearVolume(true);
    DSTrackBar->setObjectName(QStringLiteral("DSTrackBar"));
    if (!barGeometry.isNull())
        DSTrackBar->setGeometry(barGeometry);
    DSTrackBar->hide();
    DSTrackBar->SetFilterGraph(FilterGraph);
    DSTrackBar->SetTimerInterval(100);
    DSTrackBar->SetOnTimer([onReport = std::move(onReport)](TDSTrackBar *sender, uint32_t current, uint32_t stop) {
        Guarded([&] { onReport(sender, current, stop); });
    });
}

void WindowPlayer::SetButtons(QAbstractButton *play, QAbstractButton *stop)
{
    play_ = play;
    stop_ = stop;
    connect(FilterGraph, &TFilterGraph::Failed, this, [this] { ShowInPlaceOf(play_, stop_); });
}

bool WindowPlayer::Play(const QString &fileName)
{
    if (fileName.isEmpty() || !StartSound(*FilterGraph, fileName))
        return false;
    if (play_)
        ShowInPlaceOf(stop_, play_);
    return true;
}

void WindowPlayer::Stop()
{
    FilterGraph->Stop();
    FilterGraph->ClearGraph();
    if (play_)
        ShowInPlaceOf(play_, stop_);
}

bool WindowPlayer::AtEnd() const
{
    return DSTrackBar->Position() >= DSTrackBar->Max();
}

void WindowPlayer::SkipIfPending()
{
    if (!SkipPending)
        return;
    DSTrackBar->SeekTo(5);
    SkipPending = false;
}
