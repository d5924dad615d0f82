#include "tarvello.h"

namespace tarvello {

Tarvello::Tarvello()
{
    Option1.onClick([this](Integer index) { Option1_Click(index); });
    List1.onClick([this](Integer index) { List1_Click(index); });
    Command1.onClick([this](Integer index) { Command1_Click(index); });
}

} // namespace tarvello
