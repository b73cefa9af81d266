#include "windows/StartSound.h"

#include "player/TFilterGraph.h"

bool StartSound(TFilterGraph &graph, const QString &fileName)
{
    graph.Stop();
    try {
        if (!graph.Active())
            graph.SetActive(true);
        graph.ClearGraph();
        graph.RenderFile(fileName);
        graph.Play();
        return true;
    } catch (...) {
        graph.SetActive(false);
        return false;
    }
}
