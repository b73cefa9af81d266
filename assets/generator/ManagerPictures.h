#pragma once

#include <QImage>

// The alarm manager's and the editor's pictures.
QImage DrawManagerStrip();   // 80 by 351, the strip behind the page buttons (saved as JPEG)
QImage DrawAlarmsPage();     // 32 by 32, "Alarms" page button
QImage DrawAlarmsPageDown(); // the same, lit, for the page shown
QImage DrawOptionsPage();    // 32 by 32, "Options" page button
QImage DrawOptionsPageDown();
QImage DrawPlayGlyph();      // 14 by 19, green triangle
QImage DrawStopGlyph();      // 14 by 19, red square
QImage DrawOpenGlyph();      // 16 by 16, open folder
