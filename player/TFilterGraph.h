#pragma once

#include "player/IGraphListener.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class AsyncEngine;

// The non-visual half of the sound player: owns one playback engine while
// active and offers activation, clearing, rendering a file, play and stop.
//
// None of these waits for a file, a decoder or GStreamer: the engine works on
// a thread of its own (AsyncEngine) and carries the calls out in order, so a
// Play given before the render has finished plays as soon as the sound is
// ready. What the engine finds out later is handled here as the windows'
// guarded start sequence would: a failed activation, render or start
// deactivates the graph, so the player stays silent (and Failed is emitted);
// a failed stop or clear is shown in the error box. Only a graph that cannot
// be activated at all (the engine was shut down) raises EDirectShowException
// at once.
class TFilterGraph : public QObject {
    Q_OBJECT

public:
    explicit TFilterGraph(QObject *parent = nullptr);
    ~TFilterGraph() override; // deactivates

    bool Active() const;
    // Activation starts the engine's thread, which starts the engine's
    // process there.
    void SetActive(bool active);

    // True (the windows' setting) selects the logarithmic volume curve, despite
    // the name the property has always had; false the straight one.
    bool LinearVolume() const { return linearVolume_; }
    void SetLinearVolume(bool on) { linearVolume_ = on; }

    // 0..10000, applied after each render through the volume mapping.
    int Volume() const { return volume_; }
    void SetVolume(int volume);

    void ClearGraph();
    // S_OK once the render is on its way; S_FALSE (1) when inactive. The
    // FileRendered notice follows when the sound is ready.
    int32_t RenderFile(const QString &fileName);
    // True when asked of an active graph; false (and nothing done) when inactive.
    bool Play();
    bool Stop();

    // Bars register here to receive notices and engine events.
    void AddListener(IGraphListener *listener);
    void RemoveListener(IGraphListener *listener);

    // The engine while active (positions and seeking for the bar), else null.
    AsyncEngine *Engine() const { return engine_.get(); }

signals:
    // A start that failed after the call that asked for it returned; the
    // graph has been deactivated. message ends in the code, as
    // EDirectShowException's.
    void Failed(int32_t code, const QString &message);

private:
    void Notify(IGraphListener::Notice notice, int param = 0);
    void PumpEvents();
    void EngineFailed(int operation, int32_t code, const QString &message);

    std::unique_ptr<AsyncEngine> engine_;
    uint64_t activations_ = 0;
    bool linearVolume_ = true;
    int volume_ = 10000;
    std::vector<IGraphListener *> listeners_;
};
