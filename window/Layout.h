#pragma once

#include <QRect>

namespace lcdcrt {

// The window is laid out in twips (1/1440 inch), 15 to a logical pixel at 96 dpi.
inline constexpr float kTwipsPerPixel = 15.0F;

int twipsToPixels(float twips);
float pixelsToTwips(int pixels);

struct TwipsRect {
    float left;
    float top;
    float width;
    float height;
};

// Left, top, width and height each rounded on their own, as a single length is.
QRect twipsToPixels(const TwipsRect& rect);

// Form1's client area at its design-time place; start-up centres the window.
inline constexpr TwipsRect kFormClientArea{360.0F, 795.0F, 1920.0F, 1215.0F};
// The toggle and end buttons, in the client area.
inline constexpr TwipsRect kCommand1Rect{120.0F, 120.0F, 1695.0F, 495.0F};
inline constexpr TwipsRect kCommand2Rect{120.0F, 720.0F, 1695.0F, 375.0F};

}  // namespace lcdcrt
