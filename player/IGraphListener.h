#pragma once

#include <cstdint>

class TFilterGraph;

// How a TFilterGraph tells the bars bound to it about itself.
class IGraphListener {
public:
    enum class Notice {
        Play,          // from Play, before the engine starts
        Stop,          // from Stop, before the engine stops
        FileRendering, // from RenderFile, before rendering
        FileRendered,  // from RenderFile, after a successful render
        Active,        // param 1 at the end of activation, 0 at the start of deactivation
    };

    virtual void ControlNotice(Notice notice, int param) = 0;
    // Every event the engine queues, before the graph's own handling.
    virtual void EngineEvent(long event, intptr_t param1, intptr_t param2) = 0;
    // The graph is being destroyed; forget it.
    virtual void GraphDestroyed(TFilterGraph *graph) = 0;

protected:
    ~IGraphListener() = default;
};
