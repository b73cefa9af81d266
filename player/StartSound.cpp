#include "player/StartSound.h"

#include "app/Exception.h"
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
    } catch (const Exception &) {
        // Only the program's own errors mean "this sound cannot play";
        // anything else is a fault that must not be hidden.
        graph.SetActive(false);
        return false;
    }
}
