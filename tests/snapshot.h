#pragma once

// Everything a form holds, for comparing a whole form before and after an operation. Plain
// C++, so that the fuzz target can use it too.

#include "form/form.h"

#include <string>
#include <vector>

namespace tarvello::test {

struct Snapshot {
    std::vector<Text> captions;
    std::vector<bool> values;
    std::vector<bool> enabled;
    std::vector<std::vector<Text>> lists;
    std::vector<Integer> listIndexes;
    Text info;
    Integer selectedIndex = 0;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// A list's rows, top to bottom.
inline std::vector<Text> listRows(const ListBox& list)
{
    std::vector<Text> rows;
    for (Integer row = 0; row < list.ListCount(); ++row)
        rows.push_back(list.List(row));
    return rows;
}

inline Snapshot snapshot(const Form& form)
{
    Snapshot s;
    for (const OptionButton& button : form.Option1) {
        s.captions.push_back(button.Caption());
        s.values.push_back(button.Value());
        s.enabled.push_back(button.Enabled());
    }
    for (const ListBox& list : form.List1) {
        s.lists.push_back(listRows(list));
        s.listIndexes.push_back(list.ListIndex());
    }
    s.info = form.Text1(0).Text();
    s.selectedIndex = form.SelectedIndex;
    return s;
}

// A text as UTF-8, for a person to read.
inline std::string utf8(const Text& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) // a surrogate pair
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The whole snapshot in one line, so that a failed comparison shows what differed. (Built
// with += alone: GCC 12 warns wrongly of overlapping copies in some string concatenations.)
inline std::string describe(const Snapshot& s)
{
    std::string out;
    auto texts = [&out](const std::vector<Text>& list) {
        out += '[';
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (i > 0)
                out += '|';
            out += utf8(list[i]);
        }
        out += ']';
    };
    auto flags = [&out](const std::vector<bool>& list) {
        for (bool flag : list)
            out += flag ? '1' : '0';
    };
    out += "captions ";
    texts(s.captions);
    out += " values ";
    flags(s.values);
    out += " enabled ";
    flags(s.enabled);
    out += " lists";
    for (std::size_t i = 0; i < s.lists.size(); ++i) {
        out += ' ';
        texts(s.lists[i]);
        out += '@';
        out += std::to_string(s.listIndexes[i]);
    }
    out += " info \"";
    out += utf8(s.info);
    out += "\" selected ";
    out += std::to_string(s.selectedIndex);
    return out;
}

} // namespace tarvello::test
