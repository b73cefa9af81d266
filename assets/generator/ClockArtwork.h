#pragma once

#include "generator/Picture.h"

#include <QList>

// The skins' pictures: "<skin>/Background.bmp", "<skin>/hour_7.bmp" and so on.
QList<Picture> SkinPictures();

// The program icon in eight sizes: "icons/tocsimo-<size>.png".
QList<Picture> ProgramIconPictures();

// The 16 by 16 glyphs of the clock's menu: "glyphs/<item name>.png".
QList<Picture> MenuGlyphPictures();
