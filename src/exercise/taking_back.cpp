#include "tarvello.h"

namespace tarvello {

void Tarvello::List1_Click(Integer Index)
{
    if (Index != 0)
        return;
    Integer remembered = List1(0).ListIndex();
    for (Integer i = 0; i < contents::kindCount; increment(i)) {
        if (List1(1).List(i) == List1(0).List(remembered)) {
            Option1(i).Caption(List1(1).List(i));
            List1(0).RemoveItem(remembered);
            // The row is gone, and the rows below it have moved up: the same number now names
            // another pick. Row -1 reads as "", which no kind's name equals, so the rounds left
            // match nothing and one click takes back at most one row.
            remembered = -1;
        }
    }
    // May raise a nested Click of the answer list; with no row selected it matches nothing.
    List1(0).ListIndex(-1);
}

} // namespace tarvello
