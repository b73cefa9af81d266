#pragma once

#include <QString>

class TFilterGraph;

// Starts a sound the way every window does: stop what plays; then activate
// the player if needed, empty it, render the file and play. Nothing here
// waits for the file: the sound starts when it is ready. A sound that cannot
// be played is not reported: the player is deactivated (now, or when the
// engine finds out) and the window stays silent. True when the sound was set
// going; false when the player refused at once.
bool StartSound(TFilterGraph &graph, const QString &fileName);
