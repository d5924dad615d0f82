#pragma once

// Whether every widget of the window shows exactly what its control in the model holds.

#include "support.h"
#include "tarvello_window.h"

#include <QPlainTextEdit>

namespace tarvello::test {

// The kinds top to bottom on the screen.
inline const QList<int> screenOrder(layout::kindAtRow.begin(), layout::kindAtRow.end());

inline QStringList shownRows(const AnswerList* list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

// Empty when the window mirrors the form, otherwise the first difference.
inline QString mirrorMismatch(const Form& form, const TarvelloWindow& window)
{
    for (const OptionButton& control : form.Option1) {
        const KindButton* button = window.kindButton(control.Index());
        const QString which = QString("kind %1: ").arg(control.Index());
        if (button->text() != qs(control.Caption()))
            return which + "shows '" + button->text() + "', holds '" + qs(control.Caption()) + "'";
        if (button->showsDot() != control.Value())
            return which + "dot differs from Value";
        if (button->isEnabled() != control.Enabled())
            return which + "enabled state differs";
    }
    const ListBox& answers = form.List1(0);
    if (shownRows(window.answerList()) != rows(answers))
        return "answer rows shown: " + shownRows(window.answerList()).join(", ") +
            "; held: " + rows(answers).join(", ");
    const QModelIndexList selected = window.answerList()->selectionModel()->selectedRows();
    if ((selected.isEmpty() ? -1 : selected.first().row()) != answers.ListIndex())
        return "answer list selection differs from ListIndex";
    if (window.infoBox()->toPlainText() != qs(form.Text1(0).Text()).replace("\r\n", "\n"))
        return "info box shows '" + window.infoBox()->toPlainText() + "'";
    return {};
}

} // namespace tarvello::test
