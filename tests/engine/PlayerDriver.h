#pragma once

#include "player/TDSTrackBar.h"
#include "player/TFilterGraph.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <vector>

// Drives a player pair the way the reminder window does: stop, then guarded
// activate, clear, render, play (deactivating silently on failure); at each
// report the end test Position >= Max stops and clears it; the first report
// after a start moves to 0.5 s. Records every report with its time.
class PlayerDriver {
public:
    struct Report {
        qint64 atMs;          // since Start
        uint32_t currentPos;
        uint32_t stopPos;
        int position;
        int max;
    };

    PlayerDriver();

    // Starts the sound and waits until the engine has carried the start out
    // (rendered and playing) or failed. True when the sound plays; otherwise
    // the error is kept.
    bool Start(const QString &path);
    // Runs the event loop until the end test held (true) or timeoutMs passed.
    bool WaitForEnd(int timeoutMs);

    bool seekAtFirstReport = true;
    TFilterGraph graph;
    TDSTrackBar bar;

    std::vector<Report> reports;
    qint64 seekAtMs = -1; // when SeekTo(5) was called
    qint64 endAtMs = -1;  // when the end test held
    int32_t errorCode = 0;
    QString errorMessage;

private:
    void OnTimer(uint32_t currentPos, uint32_t stopPos);

    QElapsedTimer clock_;
    bool skipPending_ = false;
};
