#pragma once

#include <QRect>

namespace tarvello {

// Positions and sizes of the form are kept in twips (1/1440 inch), as the form was
// designed; 15 twips make one device-independent pixel.
constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

struct TwipRect {
    int left, top, width, height;
};

constexpr QRect pixels(TwipRect r)
{
    return QRect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
}

} // namespace tarvello
