#pragma once

// The form Tarvello: its controls, their contents when the form is first shown, and the
// form-level variable SelectedIndex.

#include "control_model.h"

#include <array>
#include <string_view>

namespace tarvello {

namespace contents {
inline constexpr Integer kindCount = 7;
// Indexed by kind index: shortest trousers (0) to longest (6).
extern const std::array<std::u16string_view, kindCount> kindNames;
extern const std::array<std::u16string_view, kindCount> kindDescriptions;
// Nine lines, each ended by CR LF.
extern const std::u16string_view assignment;
extern const std::u16string_view title;
extern const std::u16string_view answerHeading;
extern const std::u16string_view kindFrame;
extern const std::u16string_view clearButton;
} // namespace contents

class Form {
public:
    // The form as first shown: every kind button named, no kind selected, the answer list
    // empty, the answer key and the description table filled, the assignment in the info box.
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    ControlArray<OptionButton> Option1 { contents::kindCount }; // kind buttons, by kind index
    ControlArray<ListBox> List1 { 3 }; // 0 answer list, 1 answer key, 2 descriptions (hidden)
    ControlArray<TextBox> Text1 { 1 }; // info box
    ControlArray<Label> Label1 { 2 }; // 0 title, 1 answer heading
    ControlArray<CommandButton> Command1 { 1 }; // clear button
    Frame Frame1; // holds the kind buttons
    Integer SelectedIndex = 0; // kind button clicked last
};

} // namespace tarvello
