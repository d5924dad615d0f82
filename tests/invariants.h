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

inline std::vector<Text> answerRows(const Form& form)
{
    return listRows(form.List1(0));
}

// Empty when every invariant holds, otherwise what broke.
inline std::string brokenInvariant(const Form& form)
{
    const std::vector<Text> rows = answerRows(form);
    std::size_t used = 0;
    for (Integer kind = 0; kind < contents::kindCount; ++kind) {
        const Text& caption = form.Option1(kind).Caption();
        if (caption.empty())
            ++used;
        else if (caption != form.List1(1).List(kind))
            return "kind " + std::to_string(kind) + " shows a caption that is not its name";
        if (!form.Option1(kind).Enabled())
            return "kind " + std::to_string(kind) + " is disabled";
    }
    if (used != rows.size())
        return std::to_string(used) + " used kinds but " + std::to_string(rows.size()) +
            " answer rows";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Text& row = rows[i];
        if (std::count(rows.begin(), rows.end(), row) != 1)
            return "answer row " + std::to_string(i) + " stands twice";
        bool isKind = false;
        for (Integer kind = 0; kind < contents::kindCount; ++kind) {
            if (form.List1(1).List(kind) == row) {
                isKind = true;
                if (!form.Option1(kind).Caption().empty())
                    return "answer row " + std::to_string(i) + " names a kind not used";
            }
        }
        if (!isKind)
            return "answer row " + std::to_string(i) + " names no kind";
    }
    if (form.List1(0).ListIndex() != -1)
        return "an answer row stays selected";
    if (form.List1(1).ListCount() != contents::kindCount ||
        form.List1(2).ListCount() != contents::kindCount)
        return "the answer key or the description table changed";
    return {};
}

// Follows the form from event to event, checks the invariants, and knows what the info box
// must show: a pick shows its kind's description, the seventh pick a verdict, the clear
// button nothing, and a take-back leaves the box as it was.
class InfoOracle {
public:
    explicit InfoOracle(const Form& form) : rows_(answerRows(form)), expected_(form.Text1(0).Text())
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
        std::vector<Text> rows = answerRows(form);
        if (cleared) {
            expected_.clear();
        } else if (rows.size() == rows_.size() + 1 &&
            std::equal(rows_.begin(), rows_.end(), rows.begin())) {
            const Text& picked = rows.back();
            Integer kind = 0;
            while (kind < contents::kindCount - 1 && form.List1(1).List(kind) != picked)
                ++kind;
            if (rows.size() < std::size_t(contents::kindCount))
                expected_ = form.List1(2).List(kind);
            else
                expected_ = Text(inKindOrder(form, rows) ? verdict::correct : verdict::wrong);
        }
        rows_ = std::move(rows);
    }

    static bool inKindOrder(const Form& form, const std::vector<Text>& rows)
    {
        for (Integer kind = 0; kind < contents::kindCount; ++kind) {
            if (rows[static_cast<std::size_t>(kind)] != form.List1(1).List(kind))
                return false;
        }
        return true;
    }

    std::vector<Text> rows_;
    Text expected_;
};

} // namespace tarvello::test
