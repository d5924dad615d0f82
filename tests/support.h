#pragma once

// Helpers shared by the tests: conversions between the model's texts and QString, and a
// snapshot of everything a form holds.

#include "exercise/tarvello.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvello::test {

inline QString qs(const Text& text)
{
    return QString::fromStdU16String(text);
}

inline QString qs(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

inline QStringList rows(const ListBox& list)
{
    QStringList result;
    for (Integer row = 0; row < list.ListCount(); ++row)
        result << qs(list.List(row));
    return result;
}

inline QStringList captions(const Form& form)
{
    QStringList result;
    for (const OptionButton& button : form.Option1)
        result << qs(button.Caption());
    return result;
}

// Everything the form holds, for comparing a whole form before and after an operation.
struct Snapshot {
    QStringList captions;
    QList<bool> values;
    QList<bool> enabled;
    QList<QStringList> lists;
    QList<int> listIndexes;
    QString info;
    int selectedIndex;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

inline Snapshot snapshot(const Form& form)
{
    Snapshot s;
    s.captions = captions(form);
    for (const OptionButton& button : form.Option1) {
        s.values << button.Value();
        s.enabled << button.Enabled();
    }
    for (const ListBox& list : form.List1) {
        s.lists << rows(list);
        s.listIndexes << list.ListIndex();
    }
    s.info = qs(form.Text1(0).Text());
    s.selectedIndex = form.SelectedIndex;
    return s;
}

// Clicks the kind buttons with these kind indexes, one after another, as the user would.
inline void pick(Tarvello& form, const QList<int>& kinds)
{
    for (int kind : kinds)
        form.Option1(static_cast<Integer>(kind)).userClick();
}

} // namespace tarvello::test
