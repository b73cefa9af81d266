#pragma once

#include <QString>

// Starting with the desktop session: the user's XDG autostart entry
// "Tocsimo.desktop". On, it runs the executable by its full path; off, it
// stays in place with Hidden=true, which starts nothing.
namespace AutoRun {
QString EntryPath();
// The entry's text for the given state and executable.
QString EntryText(bool on, const QString &executablePath);
// The Exec value that runs exactly this file, quoted for the Desktop Entry rules.
QString ExecValue(const QString &executablePath);
// The path the user started this executable through, so that the entry
// starts what they started: a link such as /usr/bin/tocsimo stays the link,
// which outlives upgrades that move the files behind it. ARGV0 is taken as
// the shell does (with no "/" it is looked up in PATH); when it names no path
// to EXECUTABLE, EXECUTABLE itself.
QString LaunchedPath(const QString &argv0, const QString &executable);
// The same for this process.
QString LaunchedPath();
// Writes the entry when it differs from what is there. A folder that cannot be
// made is skipped silently; a failed write raises "Failed to set data for 'Tocsimo'".
void Update(bool on, const QString &executablePath);
} // namespace AutoRun
