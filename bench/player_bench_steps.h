#pragma once

// Steps shared by the sound player benchmark and its child process.
#include "player/AsyncEngine.h"
#include "player/TFilterGraph.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

// Milliseconds from RenderFile until the engine reports a position above 0.
inline double RenderToSoundMs(TFilterGraph &graph, const QString &file)
{
    graph.Stop();
    graph.ClearGraph();
    QElapsedTimer clock;
    clock.start();
    graph.RenderFile(file);
    graph.Play();
    int64_t position = 0;
    while (!graph.Engine()->GetCurrentPosition(position) || position <= 0) {
        if (clock.elapsed() > 5000)
            return -1;
        QThread::usleep(100);
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
