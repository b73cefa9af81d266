#include "clock/TImage.h"

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
