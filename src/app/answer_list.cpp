#include "answer_list.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace tarvello {

AnswerList::AnswerList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::clicked, this,
        [this](const QModelIndex& index) { emit rowChosen(index.row()); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &AnswerList::selectionChangedElsewhere);
}

void AnswerList::showState(const ListBox& control)
{
    showing_ = true;
    QStringList rows;
    for (Integer row = 0; row < control.ListCount(); ++row)
        rows << QString::fromStdU16String(control.List(row));
    QStringList shown;
    for (int row = 0; row < count(); ++row)
        shown << item(row)->text();
    const int current = currentRow();
    if (shown != rows) {
        clear();
        addItems(rows);
    }
    if (control.ListIndex() < 0)
        clearSelection();
    else
        selectionModel()->select(
            model()->index(control.ListIndex(), 0), QItemSelectionModel::ClearAndSelect);
    // The keyboard works on the current row: while the list has the focus, keep one, where it
    // was or on the last row. Not without the focus: a new current row is reported to
    // assistive technology as the focus, and would pull a screen reader away from where the
    // pupil is.
    if (hasFocus())
        keepCurrentRow(current);
    showing_ = false;
}

void AnswerList::keepCurrentRow(int wanted)
{
    if (count() > 0 && !currentIndex().isValid())
        selectionModel()->setCurrentIndex(
            model()->index(std::clamp(wanted, 0, count() - 1), 0), QItemSelectionModel::NoUpdate);
}

void AnswerList::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    keepCurrentRow(0);
}

QItemSelectionModel::SelectionFlags AnswerList::selectionCommand(
    const QModelIndex&, const QEvent*) const
{
    return QItemSelectionModel::NoUpdate;
}

void AnswerList::selectionChangedElsewhere()
{
    // Mouse and keys never select (selectionCommand), and showState selects only what the
    // model holds: a row selected by anything else, such as a screen reader's select or
    // toggle action, is a click on that row.
    if (showing_)
        return;
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (!selected.isEmpty())
        emit rowChosen(selected.first().row());
}

void AnswerList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A held key repeats its press: only the first one counts.
        if (!event->isAutoRepeat() && currentIndex().isValid())
            emit rowChosen(currentIndex().row());
        event->accept();
        break;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void AnswerList::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void AnswerList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    // The row that Space and Enter take back, framed with a dotted line while the list has the
    // focus, whatever the style shows of it.
    if (!hasFocus() || !currentIndex().isValid())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    painter.drawRect(visualRect(currentIndex()).adjusted(0, 0, -1, -1));
}

} // namespace tarvello
