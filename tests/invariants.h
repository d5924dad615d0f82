#pragma once

// What must hold of the form after every event, whatever came before, and what the info
// box must show, worked out from the answer rows alone, apart from the handlers. Plain C++,
// so that the fuzz target can use it too.

#include "exercise/tarvello.h"
#include "snapshot.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tarvello::test {

// Empty when every invariant holds, otherwise what broke.
inline std::string brokenInvariant(const Form& form)
{
    const std::vector<Text> rows = listRows(form.List1(0)), key = listRows(form.List1(1));
    if (!std::ranges::equal(key, contents::kindNames) ||
        !std::ranges::equal(listRows(form.List1(2)), contents::kindDescriptions))
        return "the answer key or the description table changed";
    for (Integer kind = 0; kind < contents::kindCount; ++kind) {
        const Text& name = key[static_cast<std::size_t>(kind)];
        const bool answered = std::ranges::find(rows, name) != rows.end();
        if (form.Option1(kind).Caption() != (answered ? Text() : name))
            return "kind " + std::to_string(kind) +
                (answered ? " shows its name though it is answered" : " does not show its name");
        if (!form.Option1(kind).Enabled())
            return "kind " + std::to_string(kind) + " is disabled";
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (std::ranges::count(rows, rows[i]) != 1)
            return "answer row " + std::to_string(i) + " stands twice";
        if (std::ranges::find(key, rows[i]) == key.end())
            return "answer row " + std::to_string(i) + " names no kind";
    }
    if (form.List1(0).ListIndex() != -1)
        return "an answer row stays selected";
    return {};
}

// Follows the form from event to event, checks the invariants, and knows what the info box
// must show: a pick shows its kind's description, the seventh pick a verdict, the clear
// button nothing, and a take-back leaves the box as it was.
class InfoOracle {
public:
    explicit InfoOracle(const Form& form)
        : rows_(listRows(form.List1(0))), expected_(form.Text1(0).Text())
    {
    }

    // After an event (`cleared`: a click on the clear button): what broke, an invariant or
    // the info box, or nothing.
    std::string check(const Form& form, bool cleared)
    {
        update(form, cleared);
        if (std::string broken = brokenInvariant(form); !broken.empty())
            return broken;
        if (form.Text1(0).Text() != expected_)
            return "the info box shows what it may not";
        return {};
    }

private:
    void update(const Form& form, bool cleared)
    {
        std::vector<Text> rows = listRows(form.List1(0));
        if (cleared) {
            expected_.clear();
        } else if (rows.size() == rows_.size() + 1 &&
            std::equal(rows_.begin(), rows_.end(), rows.begin())) {
            const auto& names = contents::kindNames;
            const auto kind = std::ranges::find(names, rows.back()) - names.begin();
            if (rows.size() == names.size())
                expected_ =
                    Text(std::ranges::equal(rows, names) ? verdict::correct : verdict::wrong);
            else if (kind < contents::kindCount)
                expected_ = Text(contents::kindDescriptions[static_cast<std::size_t>(kind)]);
        }
        rows_ = std::move(rows);
    }

    std::vector<Text> rows_;
    Text expected_;
};

} // namespace tarvello::test
