#include "tarvello.h"

namespace tarvello {

void Tarvello::Command1_Click(Integer Index)
{
    if (Index != 0)
        return;
    ResetChoices();
    Text1(0).Text(u"");
}

void Tarvello::ResetChoices()
{
    List1(0).Clear();
    for (Integer i = 0; i < contents::kindCount; increment(i)) {
        Option1(i).Value(false);
        Option1(i).Enabled(true);
        Option1(i).Caption(List1(1).List(i));
    }
}

} // namespace tarvello
