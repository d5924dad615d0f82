#pragma once

// The exercise: the form Tarvello with its three click handlers and three procedures.
//
// The constructor routes the Click events of Option1, List1 and Command1 to the handlers
// with the clicked member's index. The handlers work on the controls only; all state of
// the exercise is in them and in SelectedIndex. A kind is used while its button's caption
// is empty; its name is then a row of the answer list.

#include "form/form.h"

#include <string_view>

namespace tarvello {

namespace verdict {
inline constexpr std::u16string_view correct =
    u"Наредбата, по отношение дължина на панталона, е правилна.";
inline constexpr std::u16string_view wrong = u"Грешна наредба!";
} // namespace verdict

class Tarvello : public Form {
public:
    Tarvello();

    // A kind button was clicked: a kind not yet used shows its description, moves to the end
    // of the answer list and is judged with the rest once all seven are used. A used kind
    // changes nothing but SelectedIndex.
    void Option1_Click(Integer Index);
    // A row of the answer list (member 0) was clicked: the selected row is taken back and
    // its kind's button named again. The info box keeps what it shows.
    void List1_Click(Integer Index);
    // The clear button (member 0): every pick undone, no kind selected, the info box empty.
    void Command1_Click(Integer Index);

private:
    void TakeKind();
    void CheckOrder();
    void ResetChoices();
};

} // namespace tarvello
