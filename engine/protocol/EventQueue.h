#pragma once

#include "engine/protocol/PlaybackEngine.h"

#include <deque>

// An engine's events not yet fetched, oldest first: what each engine's
// GetEvent hands out.
class EventQueue {
public:
    void Push(const PlaybackEngine::Event &event) { events_.push_back(event); }
    // Takes the oldest event; false when none is left.
    bool Take(PlaybackEngine::Event &event)
    {
        if (events_.empty())
            return false;
        event = events_.front();
        events_.pop_front();
        return true;
    }
    void Clear() { events_.clear(); }

private:
    std::deque<PlaybackEngine::Event> events_;
};
