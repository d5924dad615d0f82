#include "answer_list.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace tarvello {

namespace {

// Paints a row without the style's mark of the current row, a tinted fill under some styles
// that looks like a selection: the list frames its current row itself.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        QStyleOptionViewItem row(option);
        row.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, row, index);
    }
};

} // namespace

AnswerList::AnswerList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new RowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::clicked, this,
        [this](const QModelIndex& index) { emit rowChosen(index.row()); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &AnswerList::selectionChangedElsewhere);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (hasFocus())
            keepCurrentRowInSight();
    });
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

void AnswerList::keepCurrentRowInSight()
{
    if (count() == 0)
        return;
    if (currentIndex().isValid() && viewport()->rect().contains(visualRect(currentIndex())))
        return;
    // The first row in sight: rows scroll whole, so the top one shows whole.
    const QModelIndex top = indexAt(QPoint(1, 1));
    selectionModel()->setCurrentIndex(
        top.isValid() ? top : model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

void AnswerList::focusInEvent(QFocusEvent* event)
{
    // Before Qt's own handling, which would take the first row, also one scrolled out of sight.
    keepCurrentRowInSight();
    QListWidget::focusInEvent(event);
    // Qt tells assistive technology of the row when the current row changes, and of the list
    // as it takes the focus, after this; the row is read out once more after the list.
    QMetaObject::invokeMethod(this, &AnswerList::readOutCurrentRow, Qt::QueuedConnection);
}

void AnswerList::readOutCurrentRow()
{
    if (!hasFocus() || !currentIndex().isValid() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(currentIndex().row());
    QAccessible::updateAccessibility(&event);
}

void AnswerList::mousePressEvent(QMouseEvent* event)
{
    // The pressed row becomes the current one as it stands, also one that shows only in
    // part: scrolled into full sight, another row would come under the pointer.
    setAutoScroll(false);
    QListWidget::mousePressEvent(event);
    setAutoScroll(true);
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
