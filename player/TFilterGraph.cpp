#include "player/TFilterGraph.h"

#include "app/ErrorBox.h"
#include "player/EDirectShowException.h"
#include "player/EngineCodes.h"
#include "player/PlaybackEngine.h"
#include "player/PlayerRuntime.h"
#include "player/VolumeMapping.h"

#include <algorithm>

TFilterGraph::TFilterGraph(QObject *parent) : QObject(parent) {}

TFilterGraph::~TFilterGraph()
{
    SetActive(false);
    // A bar may unbind itself while told, so work on a copy.
    const std::vector<IGraphListener *> listeners = listeners_;
    listeners_.clear();
    for (IGraphListener *listener : listeners)
        listener->GraphDestroyed(this);
}

bool TFilterGraph::Active() const
{
    return engine_ != nullptr;
}

void TFilterGraph::SetActive(bool active)
{
    if (active == Active())
        return;
    if (active) {
        EnsurePlayerRuntime();
        std::unique_ptr<PlaybackEngine> engine = CreatePlaybackEngine();
        if (!engine)
            throw EDirectShowException(EngineCode::EngineUnavailable, EngineCodeText(EngineCode::EngineUnavailable));
        engine_ = std::move(engine);
        RetainPlayerRuntime();
        // Queued, so a listener may deactivate the graph (and so destroy the
        // engine) while handling an event.
        engine_->SetEventNotice([this] {
            QMetaObject::invokeMethod(this, &TFilterGraph::PumpEvents, Qt::QueuedConnection);
        });
        Notify(IGraphListener::Notice::Active, 1);
    } else {
        Notify(IGraphListener::Notice::Active, 0);
        engine_.reset();
        ReleasePlayerRuntime();
    }
}

void TFilterGraph::SetVolume(int volume)
{
    volume_ = std::clamp(volume, 0, 10000);
}

void TFilterGraph::AddListener(IGraphListener *listener)
{
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void TFilterGraph::RemoveListener(IGraphListener *listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void TFilterGraph::Notify(IGraphListener::Notice notice, int param)
{
    const std::vector<IGraphListener *> listeners = listeners_;
    for (IGraphListener *listener : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            listener->ControlNotice(notice, param);
    }
}

void TFilterGraph::Check(int32_t code)
{
    if (Failed(code))
        throw EDirectShowException(code, engine_ ? engine_->ErrorText(code) : EngineCodeText(code));
}

void TFilterGraph::ClearGraph()
{
    if (!engine_)
        return;
    Stop();
    Check(engine_->Clear());
}

int32_t TFilterGraph::RenderFile(const QString &fileName)
{
    if (!engine_)
        return S_FALSE;
    Notify(IGraphListener::Notice::FileRendering);
    const int32_t code = engine_->RenderFile(fileName);
    Check(code);
    // The engine renders at rate 1.0 and centre balance always; only the
    // volume is ours to set.
    engine_->SetVolume(EngineVolume(volume_, linearVolume_));
    Notify(IGraphListener::Notice::FileRendered);
    return code;
}

bool TFilterGraph::Play()
{
    if (!engine_)
        return false;
    Notify(IGraphListener::Notice::Play);
    Check(engine_->Run());
    return true;
}

bool TFilterGraph::Stop()
{
    if (!engine_)
        return false;
    Notify(IGraphListener::Notice::Stop);
    const int32_t code = engine_->Stop();
    Check(code);
    return code == S_OK;
}

void TFilterGraph::PumpEvents()
{
    // Runs from the engine's queued notice, outside any window handler.
    Guarded([this] {
        PlaybackEngine::Event event;
        while (engine_ && engine_->GetEvent(event)) {
            const std::vector<IGraphListener *> listeners = listeners_;
            for (IGraphListener *listener : listeners) {
                if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
                    listener->EngineEvent(event.code, event.param1, event.param2);
            }
        }
    });
}
