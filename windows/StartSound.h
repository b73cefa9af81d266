#pragma once

#include <QString>

class TFilterGraph;

// Starts a sound the way every window does: stop what plays; then activate
// the player if needed, empty it, render the file and play. A sound that
// cannot be played is not reported: the player is deactivated and the window
// stays silent. True when the sound plays.
bool StartSound(TFilterGraph &graph, const QString &fileName);
