#pragma once

// The contrast of two colours as the accessibility guidelines (WCAG 2) measure it: from 1:1
// for the same colour to 21:1 for black on white.

#include <QRgb>

#include <algorithm>
#include <cmath>

namespace tarvello::test {

inline double luminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
        0.0722 * channel(qBlue(rgb));
}

inline double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace tarvello::test
