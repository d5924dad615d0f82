#include "answer_list.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <map>
#include <vector>

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

// A row of the answer list as assistive technology sees it: valid while the rows stay as they
// were when it was made. Its press takes the row back; setting the focus on it, or selecting
// it (which Qt's UI Automation does through the toggle action), makes it current.
class AccessibleRow : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleRow(AnswerList* list, int row) : list_(list), row_(row), version_(list->rowsVersion())
    {
    }

    bool isValid() const override
    {
        return list_ && list_->rowsVersion() == version_ && row_ < list_->count();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return list_ ? QAccessible::queryAccessibleInterface(list_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? list_->item(row_)->text() : QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect row = list_->visualItemRect(list_->item(row_));
        return { list_->viewport()->mapToGlobal(row.topLeft()), row.size() };
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        // Only while the list has the focus: a current row that stays behind is no focus.
        state.focused = list_->hasFocus() && list_->currentRow() == row_;
        state.offscreen =
            !list_->viewport()->rect().intersects(list_->visualItemRect(list_->item(row_)));
        state.disabled = !list_->isEnabled();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return { pressAction(), setFocusAction() }; }
    void doAction(const QString& action) override
    {
        if (!isValid())
            return;
        if (action == pressAction())
            emit list_->rowChosen(row_);
        else if (action == setFocusAction() || action == toggleAction())
            list_->makeCurrent(row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<AnswerList> list_;
    int row_;
    int version_;
};

class AccessibleAnswerList : public QAccessibleWidget {
public:
    explicit AccessibleAnswerList(AnswerList* list) : QAccessibleWidget(list, QAccessible::List) { }
    ~AccessibleAnswerList() override
    {
        for (const auto& [row, id] : rows_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= list()->count())
            return nullptr;
        if (version_ != list()->rowsVersion())
            retireRows();
        QAccessible::Id& id = rows_[index];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new AccessibleRow(list(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (version_ != list()->rowsVersion())
            return -1; // the rows made so far are for rows that have changed
        for (const auto& [row, id] : rows_) {
            if (QAccessible::accessibleInterface(id) == child)
                return row;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
    }
    // The focus is on the current row where there is one, not on the list as well.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (focusChild())
            state.focused = false;
        return state;
    }

private:
    AnswerList* list() const { return static_cast<AnswerList*>(widget()); }

    // The rows were made for rows that have changed since. Whoever asked for them may still
    // hold them, so they go once the event loop goes on, invalid until then.
    void retireRows() const
    {
        std::vector<QAccessible::Id> retired;
        for (const auto& [row, id] : rows_)
            retired.push_back(id);
        rows_.clear();
        version_ = list()->rowsVersion();
        QMetaObject::invokeMethod(
            list(),
            [retired] {
                for (QAccessible::Id id : retired)
                    QAccessible::deleteAccessibleInterface(id);
            },
            Qt::QueuedConnection);
    }

    mutable std::map<int, QAccessible::Id> rows_;
    mutable int version_ = 0;
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (object->isWidgetType() &&
        className == QLatin1String(AnswerList::staticMetaObject.className()))
        return new AccessibleAnswerList(static_cast<AnswerList*>(object));
    return nullptr;
}

} // namespace

void AnswerList::installAccessibleInterface()
{
    QAccessible::installFactory(interfaceFor);
}

AnswerList::AnswerList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new RowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::clicked, this,
        [this](const QModelIndex& index) { emit rowChosen(index.row()); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (hasFocus())
            keepCurrentRowInSight();
    });
}

void AnswerList::showState(const ListBox& control)
{
    QStringList rows;
    for (Integer row = 0; row < control.ListCount(); ++row)
        rows << QString::fromStdU16String(control.List(row));
    QStringList shown;
    for (int row = 0; row < count(); ++row)
        shown << item(row)->text();
    const int current = currentRow();
    if (shown != rows) {
        ++rowsVersion_;
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
}

void AnswerList::keepCurrentRow(int wanted)
{
    if (count() == 0 || currentIndex().isValid())
        return;
    {
        // Not read out now, as the view would: the news of what changed the rows comes first.
        const QSignalBlocker quiet(selectionModel());
        selectionModel()->setCurrentIndex(
            model()->index(std::clamp(wanted, 0, count() - 1), 0), QItemSelectionModel::NoUpdate);
    }
    viewport()->update();
    QMetaObject::invokeMethod(this, &AnswerList::readOutCurrentRow, Qt::QueuedConnection);
}

void AnswerList::makeCurrent(int row)
{
    if (row < 0 || row >= count())
        return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
    setFocus(Qt::OtherFocusReason);
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
    if (!hasFocus())
        return;
    if (count() == 0)
        emit emptyListEntered();
    if (!currentIndex().isValid() || !QAccessible::isActive())
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

void AnswerList::keyPressEvent(QKeyEvent* event)
{
    static const QList<int> listKeys { Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up,
        Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
        Qt::Key_PageDown };
    if (count() == 0 && !event->isAutoRepeat() && listKeys.contains(event->key()))
        emit emptyListEntered();
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
