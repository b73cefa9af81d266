#include "windows/FormFont.h"

QFont FormFont(const QString &family, int pixels, bool bold)
{
    return FormFont({family, QStringLiteral("DejaVu Sans Condensed")}, pixels, bold ? QFont::Bold : QFont::Normal);
}

QFont FormFont(const QStringList &families, int pixels, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(families + QStringList{QStringLiteral("Sans Serif")});
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}
