#pragma once

#include <QFont>
#include <QStringList>
#include <QString>

// A font the windows were laid out for, by its pixel size. Where the narrow
// Windows faces are missing a condensed face keeps captions inside the boxes
// laid out for them.
QFont FormFont(const QString &family, int pixels, bool bold = false);

// The first of families that is installed, else the desktop's sans serif.
QFont FormFont(const QStringList &families, int pixels, QFont::Weight weight = QFont::Normal);
