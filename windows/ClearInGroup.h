#pragma once

class QAbstractButton;

// Clears a radio button of an exclusive QButtonGroup, so the group can hold
// none: Qt refuses to clear the selected button of such a group, so its
// exclusivity is lifted for the moment.
void ClearInGroup(QAbstractButton *button);
