// The core as the browser page sees it, through embind: the exercise (PageForm) and the
// form's facts (its layout, colours, font and texts).
//
// The page only mirrors and routes, as the Qt window does: a pupil's click becomes one user
// action on a model control, and each change the handlers make is reported to the page's
// `onChange(control, index, change, row)`, where control is "kind" (by kind index), "list"
// (the answer list), "info", "label", "frame" or "clear". The build reads the facts in Node to
// write the page's styles and its first state; the page reads the texts it speaks.

#include "exercise/tarvello.h"
#include "form/accessible_texts.h"
#include "form/appearance.h"
#include "form/form_layout.h"

#include <emscripten/bind.h>

#include <string>
#include <vector>

using namespace tarvello;
using emscripten::val;

namespace {

const char* changeName(Change::Kind kind)
{
    switch (kind) {
    case Change::Kind::Caption:
        return "caption";
    case Change::Kind::Value:
        return "value";
    case Change::Kind::Enabled:
        return "enabled";
    case Change::Kind::Text:
        return "text";
    case Change::Kind::RowAdded:
        return "rowAdded";
    case Change::Kind::RowRemoved:
        return "rowRemoved";
    case Change::Kind::RowsCleared:
        return "rowsCleared";
    case Change::Kind::ListIndex:
        return "listIndex";
    }
    return "";
}

const char* controlName(layout::Shown control)
{
    switch (control) {
    case layout::Shown::TitleLabel:
        return "title";
    case layout::Shown::KindFrame:
        return "frame";
    case layout::Shown::AnswerHeading:
        return "heading";
    case layout::Shown::AnswerList:
        return "list";
    case layout::Shown::ClearButton:
        return "clear";
    case layout::Shown::InfoBox:
        return "info";
    }
    return "";
}

val place(const layout::TwipRect& r)
{
    val out = val::object();
    out.set("left", r.left);
    out.set("top", r.top);
    out.set("width", r.width);
    out.set("height", r.height);
    return out;
}

val rgb(appearance::Rgb c)
{
    val out = val::array();
    for (int part : { c.red, c.green, c.blue })
        out.call<void>("push", part);
    return out;
}

val texts(std::initializer_list<std::u16string_view> list)
{
    val out = val::array();
    for (std::u16string_view text : list)
        out.call<void>("push", Text(text));
    return out;
}

// The form's facts, in twips, as one plain object.
val facts()
{
    val out = val::object();
    out.set("twipsPerPixel", layout::twipsPerPixel);
    out.set("clientArea", place(layout::clientArea));
    val controls = val::array();
    for (const layout::ControlPlace& row : layout::visibleControls) {
        val control = place(row.place);
        control.set("control", controlName(row.control));
        control.set("tabStop", row.tabStop);
        controls.call<void>("push", control);
    }
    out.set("controls", controls);
    val kinds = val::array(); // by screen row, top first
    for (std::size_t row = 0; row < layout::kindAtRow.size(); ++row) {
        val kind = place(layout::kindButtonPlace(static_cast<int>(row)));
        kind.set("kind", layout::kindAtRow[row]);
        kinds.call<void>("push", kind);
    }
    out.set("kinds", kinds);
    val colours = val::object();
    colours.set("form", rgb(appearance::form));
    colours.set("label", rgb(appearance::label));
    colours.set("kind", rgb(appearance::kind));
    colours.set("clear", rgb(appearance::clear));
    out.set("colours", colours);
    val font = val::object();
    font.set("family", std::string(appearance::fontFamily));
    font.set("fallback", std::string(appearance::fallbackFamily));
    font.set("points", appearance::fontPoints);
    out.set("font", font);
    val names = val::object();
    names.set("answerList", Text(accessible::answerList));
    names.set("answerListHelp", Text(accessible::answerListHelp));
    names.set("clearButtonHelp", Text(accessible::clearButtonHelp));
    names.set("infoBox", Text(accessible::infoBox));
    names.set("infoBoxHelp", Text(accessible::infoBoxHelp));
    names.set("kindButtonHelp", Text(accessible::kindButtonHelp));
    names.set("cleared", Text(accessible::cleared));
    names.set("noAnswers", Text(accessible::noAnswers));
    out.set("names", names);
    // Every text the form may show, for the font's glyphs.
    val shown = texts({ contents::assignment, contents::title, contents::answerHeading,
        contents::kindFrame, contents::clearButton, verdict::correct, verdict::wrong });
    for (std::size_t kind = 0; kind < contents::kindNames.size(); ++kind) {
        shown.call<void>("push", Text(contents::kindNames[kind]));
        shown.call<void>("push", Text(contents::kindDescriptions[kind]));
    }
    out.set("shownTexts", shown);
    return out;
}

// The form of one page, with its handlers. A run-time error raised by a handler is caught at
// the click that started it and returned as the run-time error's message; no error, "".
class PageForm {
public:
    explicit PageForm(val onChange)
    {
        auto report = [this, onChange](const char* control, int index, Control& c) {
            observations_.push_back(c.observe([onChange, control, index](const Change& change) {
                onChange(
                    std::string(control), index, std::string(changeName(change.kind)), change.row);
            }));
        };
        for (OptionButton& button : form_.Option1)
            report("kind", button.Index(), button);
        report("list", 0, form_.List1(0));
        report("info", 0, form_.Text1(0));
        for (Label& label : form_.Label1)
            report("label", label.Index(), label);
        report("frame", 0, form_.Frame1);
        report("clear", 0, form_.Command1(0));
    }

    std::string clickKind(int kind)
    {
        return route([&] { form_.Option1(index(kind)).userClick(); });
    }
    std::string clickRow(int row)
    {
        return route([&] { form_.List1(0).userClick(index(row)); });
    }
    std::string clickClear()
    {
        return route([&] { form_.Command1(0).userClick(); });
    }

    Text caption(int kind) const { return form_.Option1(index(kind)).Caption(); }
    bool value(int kind) const { return form_.Option1(index(kind)).Value(); }
    bool enabled(int kind) const { return form_.Option1(index(kind)).Enabled(); }
    Text kindName(int kind) const { return form_.List1(1).List(index(kind)); }
    int rowCount() const { return form_.List1(0).ListCount(); }
    Text row(int row) const { return form_.List1(0).List(index(row)); }
    int listIndex() const { return form_.List1(0).ListIndex(); }
    Text info() const { return form_.Text1(0).Text(); }
    Text label(int label) const { return form_.Label1(index(label)).Caption(); }
    Text frame() const { return form_.Frame1.Caption(); }
    Text clear() const { return form_.Command1(0).Caption(); }

private:
    static Integer index(int i) { return static_cast<Integer>(i); }

    template<typename Action> static std::string route(Action action)
    {
        try {
            action();
        } catch (const RuntimeError& e) {
            return runtimeErrorMessage(e.number(), e.what());
        }
        return {};
    }

    Tarvello form_;
    std::vector<Observation> observations_; // end before the form goes
};

} // namespace

EMSCRIPTEN_BINDINGS(tarvello)
{
    emscripten::function("facts", &facts);
    emscripten::function(
        "cleared", +[] { return Text(accessible::cleared); });
    emscripten::function(
        "noAnswers", +[] { return Text(accessible::noAnswers); });
    emscripten::function(
        "takenBack", +[](const Text& name) { return accessible::takenBack(name); });
    emscripten::function(
        "usedNotPicked", +[](const Text& name) { return accessible::usedNotPicked(name); });
    emscripten::function(
        "kindButtonName", +[](const Text& caption, const Text& name) {
            return accessible::kindButtonName(caption, name);
        });
    emscripten::class_<PageForm>("PageForm")
        .constructor<val>()
        .function("clickKind", &PageForm::clickKind)
        .function("clickRow", &PageForm::clickRow)
        .function("clickClear", &PageForm::clickClear)
        .function("caption", &PageForm::caption)
        .function("value", &PageForm::value)
        .function("enabled", &PageForm::enabled)
        .function("kindName", &PageForm::kindName)
        .function("rowCount", &PageForm::rowCount)
        .function("row", &PageForm::row)
        .function("listIndex", &PageForm::listIndex)
        .function("info", &PageForm::info)
        .function("label", &PageForm::label)
        .function("frame", &PageForm::frame)
        .function("clear", &PageForm::clear);
}
