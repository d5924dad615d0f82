#pragma once

#include "form/control_model.h"

#include <QListWidget>

namespace tarvello {

// The answer list. A mouse click on a row, one press of Space or Enter on the current row, or
// assistive technology selecting a row, emits rowChosen once. The selection is the model's
// ListIndex alone. While the list has the focus it keeps a current row for the keyboard, one
// that the pupil sees, framed with a dotted line and read out to assistive technology; the
// focus and the mouse never scroll the list. A double click counts as one click.
class AnswerList : public QListWidget {
    Q_OBJECT

public:
    explicit AnswerList(QWidget* parent = nullptr);

    // Shows the list's control: its rows and its selected row.
    void showState(const ListBox& control);

signals:
    void rowChosen(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void selectionChangedElsewhere();
    void keepCurrentRow(int wanted);
    void keepCurrentRowInSight();
    void readOutCurrentRow();
    bool showing_ = false;
};

} // namespace tarvello
