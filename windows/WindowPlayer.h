#pragma once

#include <QObject>
#include <QRect>

#include <cstdint>
#include <functional>

class QAbstractButton;
class QWidget;
class TDSTrackBar;
class TFilterGraph;

// A window's sound player: a TFilterGraph on the logarithmic volume curve and
// its hidden TDSTrackBar, which reports the playing position every 100 ms
// while a sound plays. The manager's chime preview, the editor's preview and
// the reminder's alarm sound each have one; what a report does (stop at the
// end, repeat, skip the first half second) is each window's own rule, in the
// report handler it gives.
class WindowPlayer : public QObject {
public:
    using Report = std::function<void(TDSTrackBar *sender, uint32_t CurrentPos, uint32_t StopPos)>;

    // The bar is a child of barParent, placed at barGeometry (a null one keeps
    // the widget's own); each report runs onReport inside the error guard.
    WindowPlayer(QWidget *barParent, const QRect &barGeometry, Report onReport);

    TFilterGraph *const FilterGraph;
    TDSTrackBar *const DSTrackBar;

    // Play and stop buttons that take turns at one place: stop shows while a
    // sound plays, play when the player is idle, also when a sound is found
    // unplayable after it was asked for.
    void SetButtons(QAbstractButton *play, QAbstractButton *stop);

    // Starts fileName; an empty name does nothing at all. A sound that cannot
    // be played is not reported: the player stays silent and the buttons as
    // they were. True when the sound was set going.
    bool Play(const QString &fileName);
    // Stops and empties the player; the play button shows again.
    void Stop();
    // A report has found the sound's last whole tenth of a second reached.
    bool AtEnd() const;

    // Set, the next report moves playing to 0.5 s into the file: call
    // SkipIfPending last in each report handler.
    bool SkipPending = false;
    void SkipIfPending();

private:
    QAbstractButton *play_ = nullptr;
    QAbstractButton *stop_ = nullptr;
};
