#include "generator/Picture.h"

#include "generator/ClockFace.h"
#include "generator/ManagerPictures.h"

#include <QList>

namespace {
// New artwork is added here: one line per output file.
const QList<Picture> &AllPictures()
{
    static const QList<Picture> pictures = {
        {QStringLiteral("ClockFace.png"), DrawClockFace},
        {QStringLiteral("ManagerStrip.jpg"), DrawManagerStrip, 92},
        {QStringLiteral("AlarmsPage.png"), DrawAlarmsPage},
        {QStringLiteral("AlarmsPageDown.png"), DrawAlarmsPageDown},
        {QStringLiteral("OptionsPage.png"), DrawOptionsPage},
        {QStringLiteral("OptionsPageDown.png"), DrawOptionsPageDown},
        {QStringLiteral("Play.png"), DrawPlayGlyph},
        {QStringLiteral("Stop.png"), DrawStopGlyph},
        {QStringLiteral("Open.png"), DrawOpenGlyph},
    };
    return pictures;
}
} // namespace

const Picture *FindPicture(const QString &path)
{
    for (const Picture &p : AllPictures())
        if (p.path == path)
            return &p;
    return nullptr;
}
