#include "tarvello.h"

namespace tarvello {

void Tarvello::List1_Click(Integer Index)
{
    if (Index != 0)
        return;
    Integer remembered = List1(0).ListIndex();
    for (Integer i = 0; i <= 6; increment(i)) {
        if (List1(1).List(i) == List1(0).List(remembered)) {
            Option1(i).Caption(List1(1).List(i));
            List1(0).RemoveItem(remembered);
            remembered = -1;
        }
    }
    // May raise a nested Click of the answer list; with no row selected it matches nothing.
    List1(0).ListIndex(-1);
}

} // namespace tarvello
