#include "tarvello.h"

namespace tarvello {

void Tarvello::Option1_Click(Integer Index)
{
    SelectedIndex = Index;
    if (Option1(Index).Caption() == u"")
        return;
    Text1(0).Text(List1(2).List(Index));
    TakeKind();
    CheckOrder();
}

void Tarvello::TakeKind()
{
    OptionButton& button = Option1(SelectedIndex);
    List1(0).AddItem(button.Caption());
    button.Caption(u"");
}

void Tarvello::CheckOrder()
{
    Integer counter = 0;
    // Like every loop of the handlers, over every kind index, below contents::kindCount, with
    // a checked 16-bit counter: completeness is read from the kind buttons, never from the
    // number of answer rows, and an increment past 32767 would raise the overflow error, not
    // wrap.
    for (Integer i = 0; i < contents::kindCount; increment(i)) {
        if (Option1(i).Caption() == u"")
            increment(counter);
    }
    if (counter < contents::kindCount)
        return;

    counter = 0;
    for (Integer i = 0; i < contents::kindCount; increment(i)) {
        if (List1(0).List(i) != List1(1).List(i))
            increment(counter);
    }
    Text1(0).Text(Text(counter == 0 ? verdict::correct : verdict::wrong));
}

} // namespace tarvello
