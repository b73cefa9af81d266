#pragma once

#include "player/IGraphListener.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class PlaybackEngine;

// The non-visual half of the sound player: owns one playback engine while
// active and offers activation, clearing, rendering a file, play and stop.
// Failures raise EDirectShowException.
class TFilterGraph : public QObject {
    Q_OBJECT

public:
    explicit TFilterGraph(QObject *parent = nullptr);
    ~TFilterGraph() override; // deactivates

    bool Active() const;
    // Activation loads and starts GStreamer if needed and creates the engine; failure
    // raises. Deactivation copes with a missing engine.
    void SetActive(bool active);

    bool LinearVolume() const { return linearVolume_; }
    void SetLinearVolume(bool on) { linearVolume_ = on; }

    // 0..10000, applied after each render through the volume mapping.
    int Volume() const { return volume_; }
    void SetVolume(int volume);

    void ClearGraph();
    // The engine's result code; S_FALSE (1) when inactive.
    int32_t RenderFile(const QString &fileName);
    bool Play();
    bool Stop();

    // Bars register here to receive notices and engine events.
    void AddListener(IGraphListener *listener);
    void RemoveListener(IGraphListener *listener);

    // The engine while active (positions and seeking for the bar), else null.
    PlaybackEngine *Engine() const { return engine_.get(); }

private:
    void Notify(IGraphListener::Notice notice, int param = 0);
    void Check(int32_t code);
    void PumpEvents();

    std::unique_ptr<PlaybackEngine> engine_;
    bool linearVolume_ = true;
    int volume_ = 10000;
    std::vector<IGraphListener *> listeners_;
};
