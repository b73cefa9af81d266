#include "windows/ClearInGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>

void ClearInGroup(QAbstractButton *button)
{
    QButtonGroup *group = button->group();
    if (group)
        group->setExclusive(false);
    button->setChecked(false);
    if (group)
        group->setExclusive(true);
}
