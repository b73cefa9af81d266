#pragma once

// Steps shared by the sound player benchmark and its child process.
#include "player/AsyncEngine.h"
#include "player/TFilterGraph.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

// Milliseconds from RenderFile until the engine reports a position above 0,
// waiting in the event loop (the engine's reports arrive through it); -1 when
// the sound fails or does not start within timeoutMs.
inline double RenderToSoundMs(TFilterGraph &graph, const QString &file, int timeoutMs = 30000)
{
    graph.Stop();
    if (!graph.Active())
        graph.SetActive(true);
    graph.ClearGraph();
    QElapsedTimer clock;
    clock.start();
    graph.RenderFile(file);
    graph.Play();
    int64_t position = 0;
    while (!graph.Active() || !graph.Engine()->GetCurrentPosition(position) || position <= 0) {
        if (!graph.Active() || clock.elapsed() > timeoutMs)
            return -1;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return clock.nsecsElapsed() / 1e6;
}

inline long RssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}
