#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>

// The pure red that keys a skin with a fixed key colour.
constexpr QRgb kFixedKeyColour = qRgb(255, 0, 0);

// The key colour of a background: pure red for a fixed key, else its top-left pixel.
QRgb KeyColourOf(const QImage &picture, bool fixedKey);

// The picture's non-key pixels as a region: one rectangle a pixel high for
// every horizontal run of pixels whose colour differs from the key.
QRegion BuildRegion(const QImage &picture, QRgb key);
