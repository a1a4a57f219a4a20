#pragma once

#include <QFont>
#include <QIcon>

namespace lcdcrt {

// The buttons' face: MS P Gothic, 11.25 pt bold; IPA P Gothic where it is missing, then
// the desktop's sans-serif.
QFont buttonFont();

// Three cubes lettered L, C and D, 32 x 32 pixels, drawn in resources/lcdcrt.xpm.
QIcon programIcon();

}  // namespace lcdcrt
