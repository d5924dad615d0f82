#pragma once

#include "form/control_model.h"

#include <QListWidget>

namespace tarvello {

// The answer list. A mouse click on a row, one press of Space or Enter on the current row, or
// assistive technology's press (Invoke) of a row, emits rowChosen once. The selection is the
// model's ListIndex alone. While the list has the focus it keeps a current row for the
// keyboard, one that the pupil sees, framed with a dotted line and read out to assistive
// technology; assistive technology's select makes a row current, and takes nothing back. The
// focus and the mouse never scroll the list. A double click counts as one click.
class AnswerList : public QListWidget {
    Q_OBJECT

public:
    explicit AnswerList(QWidget* parent = nullptr);

    // To assistive technology the list's rows are items that a press takes back. Installed
    // once, before the window is made.
    static void installAccessibleInterface();

    // Shows the list's control: its rows and its selected row. Where the rows change while
    // the list has the focus, the row that becomes current is read out after the news of the
    // change.
    void showState(const ListBox& control);

    // Gives the list the focus, with `row` current.
    void makeCurrent(int row);

    // Counts the changes of the rows; assistive technology's rows are valid for one count.
    int rowsVersion() const { return rowsVersion_; }

signals:
    void rowChosen(int row);
    // The list is empty while it has the focus, and the pupil comes into it or presses a key.
    void emptyListEntered();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void keepCurrentRow(int wanted);
    void keepCurrentRowInSight();
    void readOutCurrentRow();
    int rowsVersion_ = 0;
};

} // namespace tarvello
