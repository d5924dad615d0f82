#pragma once

// The controls of the form as plain objects: the only state the exercise has.
//
// The exercise logic reads and writes these controls through the operations below and
// nothing else, so it runs and is tested without any window system. The same objects play
// the platform: user actions (`userClick`) raise `Click` events that the owning control
// array hands to its click handlers, and every change of a property or a row is reported
// to the control's observer, which is how a window mirrors the model.
//
// Failed operations (a member or row that does not exist, 16-bit overflow) raise a
// RuntimeError and change nothing.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvello {

using Integer = std::int16_t;
using Text = std::u16string; // UTF-16; compared exactly, code unit by code unit

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description);
    int number() const noexcept { return number_; }

private:
    int number_;
};

// "Run-time error 'N':", a blank line and the error's description, as the program reports a
// run-time error to the pupil.
std::string runtimeErrorMessage(int number, std::string_view description);

namespace error {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int NoSuchArrayElement = 340;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int InvalidPropertyArrayIndex = 381;
} // namespace error

[[noreturn]] void throwNoSuchElement(Integer index);

// Adds one to i. Past 32767 it raises the overflow error and leaves i as it was.
void increment(Integer& i);

struct Change {
    enum class Kind { Caption, Value, Enabled, Text, RowAdded, RowRemoved, RowsCleared, ListIndex };
    Kind kind;
    Integer row = -1; // the row for RowAdded and RowRemoved
    friend bool operator==(const Change&, const Change&) = default;
};

using ChangeObserver = std::function<void(const Change&)>;
using ClickHandler = std::function<void(Integer index)>;

template<typename T> class ControlArray;
class Control;

// An observer's hold on its control. When it goes, the control reports to no one, unless a
// newer observer has taken its place. The control must outlive it.
class [[nodiscard]] Observation {
public:
    Observation() = default;
    Observation(Observation&& other) noexcept;
    Observation& operator=(Observation&&) = delete;
    ~Observation() { end(); }

    void end();

private:
    friend class Control;
    Observation(Control* control, std::uint64_t id) : control_(control), id_(id) { }
    Control* control_ = nullptr;
    std::uint64_t id_ = 0;
};

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Integer Index() const { return index_; }

    // One observer per control; a new one replaces the old. It is told of every change
    // after the change is made, and only when a value really changes, for as long as the
    // returned Observation lives.
    Observation observe(ChangeObserver observer);

protected:
    void notify(Change::Kind kind, Integer row = -1) const;
    // Hands a Click of this member to its array's click handlers, in the order they were added.
    void raiseClick() const;

private:
    template<typename> friend class ControlArray;
    friend class Observation;
    Integer index_ = 0;
    const std::vector<ClickHandler>* clickHandlers_ = nullptr;
    ChangeObserver observer_;
    std::uint64_t observerId_ = 0;
};

class CaptionedControl : public Control {
public:
    const Text& Caption() const { return caption_; }
    void Caption(Text caption);

private:
    Text caption_;
};

// Members of one control array form one exclusive group: selecting one deselects the others.
class OptionButton : public CaptionedControl {
public:
    bool Value() const { return value_; }
    // Writing true deselects every other button of the group. No write raises Click.
    void Value(bool value);
    bool Enabled() const { return enabled_; }
    void Enabled(bool enabled);

    // The user clicks the button: if it is enabled it becomes the selected one and Click is
    // raised, also when it was selected already. A disabled button ignores the click.
    void userClick();

private:
    friend class ControlArray<OptionButton>;
    void setValue(bool value);
    bool value_ = false;
    bool enabled_ = true;
    std::vector<OptionButton>* group_ = nullptr;
};

// Unsorted rows numbered from 0; ListIndex is the selected row or -1. Holds at most 32767
// rows, so that every row has a 16-bit number.
class ListBox : public Control {
public:
    static constexpr Integer maxRows = 32767;

    Integer ListCount() const { return static_cast<Integer>(rows_.size()); }
    // Row `row`; for -1, the empty text. Any other missing row raises.
    const Text& List(Integer row) const;
    Integer ListIndex() const { return listIndex_; }
    // Selects `row` (-1: none). A write that changes the selection raises Click inside it.
    void ListIndex(Integer row);
    void AddItem(Text text);
    // Removes a row; later rows move up. A selected row removed leaves no selection, and a
    // selection below the removed row moves up with its row.
    void RemoveItem(Integer row);
    void Clear();

    // The user clicks row `row` (-1: a click that selects no row): the row becomes the
    // selection and Click is raised. A missing row raises and nothing changes.
    void userClick(Integer row);

private:
    void requireSelectable(Integer row) const;
    void setListIndex(Integer row);
    std::vector<Text> rows_;
    Integer listIndex_ = -1;
};

class TextBox : public Control {
public:
    const tarvello::Text& Text() const { return text_; }
    void Text(tarvello::Text text);

private:
    tarvello::Text text_;
};

class Label : public CaptionedControl { };

class Frame : public CaptionedControl { };

class CommandButton : public CaptionedControl {
public:
    void userClick() const { raiseClick(); }
};

// A family of controls of one kind, told apart by the index 0 .. count-1.
//
// The members are made once, in the constructor, and never move: each of them points back
// into the array (its click handlers, and an option button its group). So the member vector
// is never resized, and the array can be neither copied nor moved.
template<typename T> class ControlArray {
public:
    explicit ControlArray(Integer count) : members_(static_cast<std::size_t>(count))
    {
        for (Integer i = 0; i < count; ++i) {
            T& member = members_[static_cast<std::size_t>(i)];
            member.index_ = i;
            member.clickHandlers_ = &clickHandlers_;
            if constexpr (std::is_same_v<T, OptionButton>)
                member.group_ = &members_;
        }
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // The member with that index; a missing member raises.
    T& Item(Integer index)
    {
        if (index < 0 || index >= Count())
            throwNoSuchElement(index);
        return members_[static_cast<std::size_t>(index)];
    }
    const T& Item(Integer index) const { return const_cast<ControlArray*>(this)->Item(index); }
    T& operator()(Integer index) { return Item(index); }
    const T& operator()(Integer index) const { return Item(index); }

    Integer Count() const { return static_cast<Integer>(members_.size()); }
    auto begin() { return members_.begin(); }
    auto end() { return members_.end(); }
    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

    // Adds a handler for the Click events of all members; it gets the member's index.
    void onClick(ClickHandler handler) { clickHandlers_.push_back(std::move(handler)); }

private:
    std::vector<T> members_;
    std::vector<ClickHandler> clickHandlers_;
};

} // namespace tarvello
