#include "generator/Picture.h"

#include "generator/ClockFace.h"
#include "generator/ClockArtwork.h"

#include <QList>

namespace {
// New artwork is added here: one line per output file.
const QList<Picture> &AllPictures()
{
    static const QList<Picture> pictures = {
        {QStringLiteral("ClockFace.png"), DrawClockFace},
    };
    static const QList<Picture> all = pictures + SkinPictures() + ProgramIconPictures() + MenuGlyphPictures();
    return all;
}
} // namespace

const Picture *FindPicture(const QString &path)
{
    for (const Picture &p : AllPictures())
        if (p.path == path)
            return &p;
    return nullptr;
}
