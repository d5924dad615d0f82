#include "accessible_texts.h"

namespace tarvello::accessible {

namespace {

constexpr std::u16string_view used = u"Използван: ";

} // namespace

Text takenBack(std::u16string_view kindName)
{
    return Text(u"Върнат: ") += kindName;
}

Text usedNotPicked(std::u16string_view kindName)
{
    return (Text(used) += kindName) += u" - нищо не е избрано";
}

Text kindButtonName(std::u16string_view caption, std::u16string_view kindName)
{
    return caption.empty() ? Text(used) += kindName : Text(caption);
}

} // namespace tarvello::accessible
