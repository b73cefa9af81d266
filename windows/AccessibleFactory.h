#pragma once

// Installs, once, the program's own accessible interfaces for Qt's bridge to
// screen readers: the reminder and the missed alarms are alerts, the desktop clock a window, and a
// drop-down list is named for what it chooses. Each window that needs them calls this as it is made.
void InstallAccessibleFactory();
