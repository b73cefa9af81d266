#pragma once

#include <QString>
#include <QStringList>

// A file dialog filter written as "name|patterns|name|patterns", patterns
// separated by ';', turned into the name filters of a Qt file dialog
// ("name (patterns)"). Empty patterns are dropped and "*.*" becomes "*", which
// on Linux also takes in files without an extension.
QStringList QtNameFilters(const QString &filter);
