#include "tarvello_window.h"

#include "accessibility.h"
#include "config.h"
#include "form_look.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QWindow>

#include <algorithm>
#include <map>
#include <utility>

namespace tarvello {

namespace {

QString qs(const Text& text)
{
    return QString::fromStdU16String(text);
}

QRect pixels(layout::TwipRect r)
{
    using layout::pixels;
    return QRect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
}

} // namespace

TarvelloWindow::TarvelloWindow(Tarvello& form, QWidget* parent)
    : QWidget(parent,
          Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
              Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form), announcement_(new access::Announcement(this))
{
    // The caption: the publisher's address, a blank and the program's name.
    setWindowTitle(QStringLiteral(TARVELLO_PUBLISHER " " TARVELLO_NAME));
    setFixedSize(pixels(layout::clientArea).size());
    setFont(look::formFont());
    look::fillBackground(this, look::form);

    std::map<int, QWidget*> stops;
    for (const layout::ControlPlace& row : layout::visibleControls) {
        QWidget* widget = makeControl(row);
        if (row.tabStop != layout::noFocus)
            stops[row.tabStop] = widget;
    }
    for (const auto& [order, widget] : stops)
        focusRing_.push_back(widget);
    // Qt's own chain, for what the ring does not cover: the same order.
    QWidget* previous = nullptr;
    for (QWidget* stop : focusRing_) {
        QWidget* entry = stop == kindFrame_ ? kindButton(layout::kindAtRow.front()) : stop;
        if (previous)
            setTabOrder(previous, entry);
        previous = stop == kindFrame_ ? kindButton(layout::kindAtRow.back()) : entry;
    }
    if (!focusRing_.empty())
        focusEntryOf(focusRing_.front())->setFocus();
}

template<typename Widget> Widget* TarvelloWindow::placed(const layout::ControlPlace& row)
{
    auto* widget = new Widget(this);
    widget->setGeometry(pixels(row.place));
    return widget;
}

QWidget* TarvelloWindow::makeControl(const layout::ControlPlace& row)
{
    switch (row.control) {
    case layout::Shown::TitleLabel:
        return titleLabel_ = makeLabel(form_.Label1(0), row);
    case layout::Shown::AnswerHeading:
        return answerHeading_ = makeLabel(form_.Label1(1), row);
    case layout::Shown::KindFrame:
        kindFrame_ = placed<KindFrame>(row);
        look::fillBackground(kindFrame_, look::form);
        bind(form_.Frame1, [this] {
            kindFrame_->setTitle(qs(form_.Frame1.Caption()));
            kindFrame_->setAccessibleName(kindFrame_->title());
        });
        makeKindButtons();
        return kindFrame_;
    case layout::Shown::AnswerList:
        answerList_ = placed<AnswerList>(row);
        answerList_->setAccessibleName(access::answerList);
        access::setHelp(answerList_, access::answerListHelp);
        bind(form_.List1(0), [this] { answerList_->showState(form_.List1(0)); });
        connect(answerList_, &AnswerList::rowChosen, this, [this](int row) {
            const QString name = answerList_->item(row)->text();
            const Integer rows = form_.List1(0).ListCount();
            route([this, row] { form_.List1(0).userClick(static_cast<Integer>(row)); });
            if (form_.List1(0).ListCount() < rows)
                announcement_->announce(access::takenBack(name));
        });
        connect(answerList_, &AnswerList::emptyListEntered, announcement_,
            [this] { announcement_->announce(access::noAnswers); });
        return answerList_;
    case layout::Shown::ClearButton:
        clearButton_ = placed<ClearButton>(row);
        access::setHelp(clearButton_, access::clearButtonHelp);
        bind(form_.Command1(0), [this] { clearButton_->setText(qs(form_.Command1(0).Caption())); });
        connect(clearButton_, &QAbstractButton::clicked, this, [this] {
            route([this] { form_.Command1(0).userClick(); });
            announcement_->announce(access::cleared);
        });
        return clearButton_;
    case layout::Shown::InfoBox:
        infoBox_ = placed<QPlainTextEdit>(row);
        infoBox_->setReadOnly(true);
        infoBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        infoBox_->setTabChangesFocus(true);
        infoBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        infoBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        infoBox_->setFocusPolicy(Qt::StrongFocus);
        infoBox_->setAccessibleName(access::infoBox);
        access::setHelp(infoBox_, access::infoBoxHelp);
        access::nameScrollAreaParts(infoBox_);
        bind(form_.Text1(0), [this] {
            const QString text = displayText(form_.Text1(0).Text());
            if (infoBox_->toPlainText() != text)
                infoBox_->setPlainText(text);
        });
        return infoBox_;
    }
    Q_UNREACHABLE();
}

QLabel* TarvelloWindow::makeLabel(Label& control, const layout::ControlPlace& row)
{
    auto* label = placed<QLabel>(row);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    look::fillBackground(label, look::label);
    bind(control, [label, &control] { label->setText(qs(control.Caption())); });
    return label;
}

void TarvelloWindow::makeKindButtons()
{
    for (std::size_t row = 0; row < layout::kindAtRow.size(); ++row) {
        const Integer kind = layout::kindAtRow[row];
        auto* button = new KindButton(kindFrame_);
        button->setGeometry(pixels(layout::kindButtonPlace(static_cast<int>(row))));
        button->setAutoExclusive(false);
        access::setHelp(button, access::kindButtonHelp);
        look::fillBackground(button, look::kind);
        OptionButton& control = form_.Option1(kind);
        bind(control, [button, &control, name = qs(form_.List1(1).List(kind))] {
            button->showState(control, name);
        });
        connect(button, &QAbstractButton::clicked, this, [this, kind] {
            const bool used = form_.Option1(kind).Caption().empty();
            route([this, kind] { form_.Option1(kind).userClick(); });
            // The news of a pick is what the info box shows after it, the verdict in place of
            // the seventh description; also where that is the text it showed before.
            announcement_->announce(used ? access::usedNotPicked(qs(form_.List1(1).List(kind)))
                                         : displayText(form_.Text1(0).Text()));
        });
        connect(button, &KindButton::focusStep, this,
            [this, button](int step) { moveKindFocus(button, step); });
        kindButtons_[static_cast<std::size_t>(kind)] = button;
    }
}

template<typename Control> void TarvelloWindow::bind(Control& control, std::function<void()> show)
{
    show();
    observations_.push_back(control.observe([show](const Change&) { show(); }));
}

void TarvelloWindow::route(const std::function<void()>& userAction)
{
    try {
        userAction();
    } catch (const RuntimeError& e) {
        emit runtimeError(e.number(), QString::fromUtf8(e.what()));
    }
}

void TarvelloWindow::moveKindFocus(KindButton* from, int step)
{
    const auto rows = static_cast<int>(layout::kindAtRow.size());
    for (int row = 0; row < rows; ++row) {
        if (kindButton(layout::kindAtRow[static_cast<std::size_t>(row)]) == from) {
            const auto next = static_cast<std::size_t>((row + step + rows) % rows);
            kindButton(layout::kindAtRow[next])->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QWidget* TarvelloWindow::focusStopOf(QWidget* widget) const
{
    return widget && widget->parentWidget() == kindFrame_ ? kindFrame_ : widget;
}

QWidget* TarvelloWindow::focusEntryOf(QWidget* stop) const
{
    // Entering the kind buttons lands on the selected one, or on the top one if none is. (Not
    // on kind 0: that is the first right answer.)
    if (stop != kindFrame_)
        return stop;
    for (const OptionButton& control : form_.Option1) {
        if (control.Value())
            return kindButton(control.Index());
    }
    return kindButton(layout::kindAtRow.front());
}

bool TarvelloWindow::focusNextPrevChild(bool next)
{
    const auto stop = std::find(focusRing_.begin(), focusRing_.end(), focusStopOf(focusWidget()));
    if (stop == focusRing_.end())
        return QWidget::focusNextPrevChild(next);
    const auto count = static_cast<std::ptrdiff_t>(focusRing_.size());
    const std::ptrdiff_t at = (stop - focusRing_.begin() + (next ? 1 : count - 1)) % count;
    focusEntryOf(focusRing_[static_cast<std::size_t>(at)])
        ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// The window has one size and offers no maximise button, but the title bar that Qt draws
// itself on Wayland, where the program's own is not taken, has one. Maximised, a Wayland
// window must take the size the compositor gives it, or the compositor ends the program.
// (Full screen, it may stay smaller: the compositor centres it.) So, asked to maximise, the
// window lets itself grow; grown, it asks to be its own size again; back at that size, it is
// fixed again.
void TarvelloWindow::keepOwnSize(Qt::WindowState state)
{
    QWindow* window = windowHandle();
    if (state == Qt::WindowMaximized)
        window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    else if (!grown_) // the compositor did not maximise it after all
        window->setMaximumSize(maximumSize());
}

void TarvelloWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    QWindow* window = windowHandle();
    if (!window)
        return;
    if (size() != maximumSize()) {
        grown_ = true;
        QMetaObject::invokeMethod(
            window, [window] { window->setWindowStates(Qt::WindowNoState); }, Qt::QueuedConnection);
    } else if (std::exchange(grown_, false)) {
        window->setMaximumSize(maximumSize());
    }
}

void TarvelloWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::windowStateChanged, this, &TarvelloWindow::keepOwnSize,
            Qt::UniqueConnection);
    }
    // Lay out the lines that the info box shows first. Left to its first paint, that layout
    // changes the scroll bar's range after the paint, and the window paints and sends its
    // pixels a second time, the same pixels.
    QAbstractTextDocumentLayout* layout = infoBox_->document()->documentLayout();
    qreal height = 0;
    for (QTextBlock block = infoBox_->document()->begin();
         block.isValid() && height < infoBox_->viewport()->height(); block = block.next())
        height += layout->blockBoundingRect(block).height();
}

QString TarvelloWindow::displayText(const Text& text)
{
    return qs(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPoint windowPlace(QSize size, QRect available)
{
    QRect place(QPoint(), size);
    place.moveCenter(available.center());
    return { std::max(place.left(), available.left()), std::max(place.top(), available.top()) };
}

} // namespace tarvello
