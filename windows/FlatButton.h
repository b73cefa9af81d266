#pragma once

class QAbstractButton;

// A flat button: drawn without a raised frame until the pointer is over it.
// It takes the keyboard focus by Tab, not by a click, and shows a dotted
// frame while it has it, so the frame appears for keyboard users only.
void MakeFlat(QAbstractButton *button);
