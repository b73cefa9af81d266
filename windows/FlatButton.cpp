#include "windows/FlatButton.h"

#include <QAbstractButton>
#include <QString>

void MakeFlat(QAbstractButton *button)
{
    button->setFocusPolicy(Qt::TabFocus);
    button->setStyleSheet(QStringLiteral("%1 { border: 1px solid transparent; background: transparent; }"
                                         "%1:focus { border: 1px dotted #303030; }"
                                         "%1:hover { border-color: white gray gray white; }"
                                         "%1:pressed { border-color: gray white white gray; }")
                              .arg(QLatin1String(button->metaObject()->className())));
}
