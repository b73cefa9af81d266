#pragma once

#include <QIcon>

// The program icon: one picture each of 16, 24, 32, 48, 64, 72, 96 and 128 pixels.
QIcon ProgramIcon();
