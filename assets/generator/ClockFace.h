#pragma once

#include <QImage>

// A 64 by 64 analogue clock face showing ten past ten, on a transparent ground.
QImage DrawClockFace();
