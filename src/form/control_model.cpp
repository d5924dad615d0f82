#include "control_model.h"

#include <limits>
#include <string>
#include <utility>

namespace tarvello {

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), number_(number)
{
}

std::string runtimeErrorMessage(int number, std::string_view description)
{
    return "Run-time error '" + std::to_string(number) + "':\n\n" + std::string(description);
}

void throwNoSuchElement(Integer index)
{
    throw RuntimeError(error::NoSuchArrayElement,
        "Control array element '" + std::to_string(index) + "' doesn't exist");
}

void increment(Integer& i)
{
    if (i == std::numeric_limits<Integer>::max())
        throw RuntimeError(error::Overflow, "Overflow");
    ++i;
}

Observation::Observation(Observation&& other) noexcept
    : control_(std::exchange(other.control_, nullptr)), id_(other.id_)
{
}

void Observation::end()
{
    if (control_ && control_->observerId_ == id_)
        control_->observer_ = nullptr;
    control_ = nullptr;
}

Observation Control::observe(ChangeObserver observer)
{
    observer_ = std::move(observer);
    return Observation(this, ++observerId_);
}

void Control::notify(Change::Kind kind, Integer row) const
{
    if (observer_)
        observer_(Change { kind, row });
}

void Control::raiseClick() const
{
    if (!clickHandlers_)
        return;
    // Indexed, not iterated: a handler may add handlers while it runs.
    for (std::size_t i = 0; i < clickHandlers_->size(); ++i)
        (*clickHandlers_)[i](index_);
}

void CaptionedControl::Caption(Text caption)
{
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    notify(Change::Kind::Caption);
}

void OptionButton::setValue(bool value)
{
    if (value == value_)
        return;
    value_ = value;
    notify(Change::Kind::Value);
}

void OptionButton::Value(bool value)
{
    if (value && group_) {
        for (OptionButton& other : *group_) {
            if (&other != this)
                other.setValue(false);
        }
    }
    setValue(value);
}

void OptionButton::Enabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    notify(Change::Kind::Enabled);
}

void OptionButton::userClick()
{
    if (!enabled_)
        return;
    Value(true);
    raiseClick();
}

const Text& ListBox::List(Integer row) const
{
    static const Text none;
    if (row == -1)
        return none;
    if (row < -1 || row >= ListCount())
        throw RuntimeError(error::InvalidPropertyArrayIndex, "Invalid property array index");
    return rows_[static_cast<std::size_t>(row)];
}

void ListBox::requireSelectable(Integer row) const
{
    if (row < -1 || row >= ListCount())
        throw RuntimeError(error::InvalidPropertyValue, "Invalid property value");
}

void ListBox::setListIndex(Integer row)
{
    if (row == listIndex_)
        return;
    listIndex_ = row;
    notify(Change::Kind::ListIndex);
}

void ListBox::ListIndex(Integer row)
{
    requireSelectable(row);
    if (row == listIndex_)
        return;
    setListIndex(row);
    raiseClick();
}

void ListBox::AddItem(Text text)
{
    if (ListCount() == maxRows)
        throw RuntimeError(error::OutOfMemory, "Out of memory");
    rows_.push_back(std::move(text));
    notify(Change::Kind::RowAdded, static_cast<Integer>(ListCount() - 1));
}

void ListBox::RemoveItem(Integer row)
{
    if (row < 0 || row >= ListCount())
        throw RuntimeError(error::InvalidProcedureCall, "Invalid procedure call or argument");
    rows_.erase(rows_.begin() + row);
    const Integer before = listIndex_;
    if (row == listIndex_)
        listIndex_ = -1;
    else if (row < listIndex_)
        --listIndex_;
    notify(Change::Kind::RowRemoved, row);
    if (listIndex_ != before)
        notify(Change::Kind::ListIndex);
}

void ListBox::Clear()
{
    if (rows_.empty())
        return;
    rows_.clear();
    const Integer before = listIndex_;
    listIndex_ = -1;
    notify(Change::Kind::RowsCleared);
    if (listIndex_ != before)
        notify(Change::Kind::ListIndex);
}

void ListBox::userClick(Integer row)
{
    requireSelectable(row);
    setListIndex(row);
    raiseClick();
}

void TextBox::Text(tarvello::Text text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    notify(Change::Kind::Text);
}

} // namespace tarvello
