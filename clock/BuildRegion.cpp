#include "clock/BuildRegion.h"

namespace {
// Pixels are compared by their colour alone; an alpha channel plays no part.
QImage Opaque(const QImage &picture)
{
    return picture.convertToFormat(QImage::Format_ARGB32);
}
} // namespace

QRgb KeyColourOf(const QImage &picture, bool fixedKey)
{
    if (fixedKey || picture.isNull())
        return kFixedKeyColour;
    return Opaque(picture).pixel(0, 0) & RGB_MASK;
}

QRegion BuildRegion(const QImage &picture, QRgb key)
{
    const QImage image = Opaque(picture);
    const int w = image.width();
    key &= RGB_MASK;
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int start = 0;
        bool open = false;
        for (int x = 0; x <= w; ++x) {
            const bool isKey = x == w || (row[x] & RGB_MASK) == key;
            if (isKey) {
                if (open)
                    region += QRect(start, y, x - start, 1);
                open = false;
            } else if (!open) {
                start = x;
                open = true;
            }
        }
    }
    return region;
}
