#pragma once

// The form's colours and font, for every front end: the window and the browser page.

#include <cstdint>
#include <string_view>

namespace tarvello::appearance {

struct Rgb {
    std::uint8_t red, green, blue;
};

inline constexpr Rgb form { 192, 192, 255 }; // the form and the kind frame
inline constexpr Rgb label { 255, 192, 128 }; // the title and the answer heading
inline constexpr Rgb kind { 255, 128, 0 }; // the kind buttons
inline constexpr Rgb clear { 255, 0, 0 }; // the clear button

// Every control's font: Times New Roman, 12 point, normal weight; where it is missing,
// Liberation Serif, which has its metrics and the Cyrillic letters.
inline constexpr std::string_view fontFamily = "Times New Roman";
inline constexpr std::string_view fallbackFamily = "Liberation Serif";
inline constexpr int fontPoints = 12;

} // namespace tarvello::appearance
