#include "clock/TImage.h"

#include "app/RegularFile.h"

template <class Change>
void TImage::Changing(Change change)
{
    const QRect before = Rect();
    change();
    changed_(before, Rect());
}

void TImage::SetPicture(const QImage &picture)
{
    if (picture.cacheKey() != picture_.cacheKey())
        Changing([&] { picture_ = picture; });
}

void TImage::Move(QPoint pos)
{
    if (pos != pos_)
        Changing([&] { pos_ = pos; });
}

void TImage::SetVisible(bool visible)
{
    if (visible != visible_)
        Changing([&] { visible_ = visible; });
}

namespace {
// No picture of a skin comes near this.
constexpr qint64 kMaxBitmapBytes = 16 << 20;

quint32 U16(const QByteArray &b, int at) { return quint8(b[at]) | quint8(b[at + 1]) << 8; }
quint32 U32(const QByteArray &b, int at) { return U16(b, at) | U16(b, at + 2) << 16; }

// Whether the pixel data the headers describe is all there.
bool Complete(const QByteArray &bmp)
{
    constexpr int kFileHeader = 14;
    if (bmp.size() < kFileHeader + 12 || bmp[0] != 'B' || bmp[1] != 'M')
        return false;
    const qint64 offset = U32(bmp, 10);
    const quint32 infoSize = U32(bmp, kFileHeader);
    qint64 width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
    if (infoSize == 12) { // the old OS/2 header
        width = U16(bmp, 18);
        height = U16(bmp, 20);
        bits = U16(bmp, 24);
    } else if (infoSize >= 40 && bmp.size() >= kFileHeader + 40) {
        width = qint32(U32(bmp, 18));
        height = qint32(U32(bmp, 22));
        bits = U16(bmp, 28);
        compression = U32(bmp, 30);
        imageSize = U32(bmp, 34);
    } else {
        return false;
    }
    height = qAbs(height); // negative: rows stored top-down
    // Far beyond any face, and small enough that the sums below cannot overflow.
    constexpr qint64 kMaxSide = 0x7fff;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return false;
    qint64 pixelBytes = 0;
    switch (compression) {
    case 0: // uncompressed
    case 3: // uncompressed, with colour masks
        pixelBytes = (width * bits + 31) / 32 * 4 * height;
        break;
    case 1: // run-length encoded: only the header knows the length
    case 2:
        if (imageSize == 0)
            return false;
        pixelBytes = imageSize;
        break;
    default:
        return false;
    }
    return offset >= kFileHeader + infoSize && offset + pixelBytes <= bmp.size();
}
} // namespace

QImage TImage::LoadBitmap(const QString &path)
{
    QByteArray bytes;
    if (RegularFile::Read(path, kMaxBitmapBytes, bytes) != RegularFile::Status::Ok || !Complete(bytes))
        return {};
    return QImage::fromData(bytes, "BMP");
}
