#pragma once

#include <QFont>
#include <QStringList>
#include <QString>

// A font the windows were laid out for, by its pixel size. Where the narrow
// Windows faces are missing a condensed face keeps captions inside the boxes
// laid out for them.
QFont FormFont(const QString &family, int pixels, bool bold = false);
