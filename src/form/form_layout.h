#pragma once

// Where the form's controls stand and the order the focus takes through them.
//
// Places are kept in twips (1/1440 inch), as the form was designed; 15 twips make one
// device-independent pixel (one CSS pixel in the browser). The window and the browser page
// are both built from these tables: adding a visible control means one row in
// `visibleControls` and its binding in each of them.

#include "form.h"

#include <algorithm>
#include <array>

namespace tarvello::layout {

constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

struct TwipRect {
    int left, top, width, height;
};

constexpr TwipRect clientArea { 0, 0, 6975, 5355 };

// The form's visible controls.
enum class Shown { TitleLabel, KindFrame, AnswerHeading, AnswerList, ClearButton, InfoBox };

constexpr int noFocus = -1;

struct ControlPlace {
    Shown control;
    TwipRect place; // in the form's client area
    int tabStop; // place in the focus ring from 0, or noFocus
};

// The kind frame's stop is its kind buttons, taken as one stop.
constexpr std::array<ControlPlace, 6> visibleControls { {
    { Shown::TitleLabel, { 1560, 0, 3615, 375 }, noFocus },
    { Shown::KindFrame, { 240, 480, 3135, 2535 }, 1 },
    { Shown::AnswerHeading, { 3840, 600, 2895, 375 }, noFocus },
    { Shown::AnswerList, { 3840, 960, 2895, 1485 }, 2 },
    { Shown::ClearButton, { 4320, 2640, 1935, 375 }, 3 },
    { Shown::InfoBox, { 120, 3360, 6735, 1815 }, 0 },
} };

// The kind buttons stand in the kind frame one under another in alphabetical order of their
// names, which for these names is the order of their letters' codes: the kind index of each
// screen row, top first.
inline const std::array<Integer, contents::kindCount> kindAtRow = [] {
    std::array<Integer, contents::kindCount> kinds {};
    for (Integer kind = 0; kind < contents::kindCount; ++kind)
        kinds[static_cast<std::size_t>(kind)] = kind;
    std::sort(kinds.begin(), kinds.end(), [](Integer a, Integer b) {
        return contents::kindNames[static_cast<std::size_t>(a)] <
            contents::kindNames[static_cast<std::size_t>(b)];
    });
    return kinds;
}();

// A kind button's place in the kind frame.
constexpr TwipRect kindButtonPlace(int screenRow)
{
    return { 840, 300 * (screenRow + 1), 1500, 300 };
}

} // namespace tarvello::layout
