#pragma once

#include "app/ErrorBox.h"

#include <QStringList>

// Takes the error box's place while it lives: each text the program would
// show is kept in `shown`, in order, and no box opens. The box comes back
// when the capture ends.
class ErrorBoxCapture {
public:
    ErrorBoxCapture()
    {
        SetErrorBoxHandler([this](const QString &text) { shown << text; });
    }
    ~ErrorBoxCapture() { SetErrorBoxHandler({}); }
    Q_DISABLE_COPY_MOVE(ErrorBoxCapture)

    QStringList shown;
};
