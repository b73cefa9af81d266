#include "windows/FormFont.h"

QFont FormFont(const QString &family, int pixels, bool bold)
{
    QFont font;
    font.setFamilies({family, QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Sans Serif")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
