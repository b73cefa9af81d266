#include "player/TFilterGraph.h"

#include "app/ErrorBox.h"
#include "engine/protocol/EngineCodes.h"
#include "engine/protocol/SoundLog.h"
#include "engine/protocol/VolumeMapping.h"
#include "player/AsyncEngine.h"
#include "player/EDirectShowException.h"
#include "player/PlayerRuntime.h"

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
        if (PlayerRuntimeShutDown())
            throw EDirectShowException(EngineCode::EngineUnavailable,
                                       QStringLiteral("The sound engine was already shut down"));
        engine_ = std::make_unique<AsyncEngine>();
        // Queued, so a listener may deactivate the graph (and so destroy the
        // engine) while handling an event.
        connect(engine_.get(), &AsyncEngine::EventsQueued, this, &TFilterGraph::PumpEvents, Qt::QueuedConnection);
        connect(engine_.get(), &AsyncEngine::Rendered, this,
                [this] { Notify(IGraphListener::Notice::FileRendered); });
        // Queued too: a failed start deactivates, which must not destroy the
        // engine inside its own signal. A failure that arrives after this
        // engine was replaced is about a sound that is gone.
        AsyncEngine *engine = engine_.get();
        connect(
            engine, &AsyncEngine::Failed, this,
            [this, engine, activation = ++activations_](AsyncEngine::Operation operation, int32_t code,
                                                        const QString &message) {
                if (engine_.get() == engine && activation == activations_)
                    EngineFailed(static_cast<int>(operation), code, message);
            },
            Qt::QueuedConnection);
        Notify(IGraphListener::Notice::Active, 1);
    } else {
        Notify(IGraphListener::Notice::Active, 0);
        engine_.reset();
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

void TFilterGraph::ClearGraph()
{
    if (!engine_)
        return;
    Stop();
    engine_->Clear();
}

int32_t TFilterGraph::RenderFile(const QString &fileName)
{
    if (!engine_)
        return S_FALSE;
    Notify(IGraphListener::Notice::FileRendering);
    qCInfo(lcSound).noquote() << "Opening" << fileName;
    engine_->RenderFile(fileName);
    // The engine renders at rate 1.0 and centre balance always; only the
    // volume is ours to set. It follows the render on the engine's thread.
    engine_->SetVolume(EngineVolume(volume_, linearVolume_ ? VolumeCurve::Logarithmic : VolumeCurve::Straight));
    return S_OK;
}

bool TFilterGraph::Play()
{
    if (!engine_)
        return false;
    Notify(IGraphListener::Notice::Play);
    engine_->Run();
    return true;
}

bool TFilterGraph::Stop()
{
    if (!engine_)
        return false;
    Notify(IGraphListener::Notice::Stop);
    engine_->Stop();
    return true;
}

void TFilterGraph::EngineFailed(int operation, int32_t code, const QString &message)
{
    switch (static_cast<AsyncEngine::Operation>(operation)) {
    case AsyncEngine::Operation::Stop:
    case AsyncEngine::Operation::Clear:
        // Silencing is not guarded by the windows: its failure is shown.
        ShowErrorBox(message);
        return;
    case AsyncEngine::Operation::Open:
    case AsyncEngine::Operation::Render:
    case AsyncEngine::Operation::Run:
        // What the windows do when a start fails: deactivate and stay silent.
        SetActive(false);
        emit Failed(code, message);
        return;
    }
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
