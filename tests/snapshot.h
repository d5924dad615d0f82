#pragma once

// Everything a form holds, for comparing a whole form before and after an operation. Plain
// C++, so that the fuzz target can use it too.

#include "form/form.h"

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

} // namespace tarvello::test
