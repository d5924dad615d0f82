#pragma once

// The one window of the program, a mirror of the form model.
//
// The window builds one widget per visible control from the layout table. Input flows one
// way: a user's click (or key) on a widget becomes one user action on the model control
// (`userClick`), whose Click event the model routes to the exercise handlers. The handlers
// change only the model; each change reaches the window through the control's observer,
// and the one widget that shows the control shows its whole state again. The same function
// fills the widget first. Nothing the window does to its own widgets is ever taken for user
// input. A RuntimeError raised inside a handler is caught at the widget that started it and
// reported through runtimeError().

#include "accessibility.h"
#include "answer_list.h"
#include "exercise/tarvello.h"
#include "form/form_layout.h"
#include "kind_button.h"
#include "painted_controls.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace tarvello {

class TarvelloWindow : public QWidget {
    Q_OBJECT

public:
    // The window shows `form` and sends it the user's clicks; `form` must outlive it.
    explicit TarvelloWindow(Tarvello& form, QWidget* parent = nullptr);

    KindButton* kindButton(int kind) const { return kindButtons_[static_cast<std::size_t>(kind)]; }
    AnswerList* answerList() const { return answerList_; }
    QPlainTextEdit* infoBox() const { return infoBox_; }
    ClearButton* clearButton() const { return clearButton_; }
    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* answerHeading() const { return answerHeading_; }
    KindFrame* kindFrame() const { return kindFrame_; }
    access::Announcement* announcement() const { return announcement_; }

    // The info box's text as the window shows it: line breaks in place of CR LF.
    static QString displayText(const Text& text);

signals:
    void runtimeError(int number, const QString& description);

protected:
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* makeControl(const layout::ControlPlace& row);
    QLabel* makeLabel(Label& control, const layout::ControlPlace& row);
    // A new widget of the window, in the place the row gives it.
    template<typename Widget> Widget* placed(const layout::ControlPlace& row);
    void makeKindButtons();
    // Shows `control` on its widget now and after each of its changes, while the window lives.
    template<typename Control> void bind(Control& control, std::function<void()> show);
    void route(const std::function<void()>& userAction);
    void moveKindFocus(KindButton* from, int step);
    void keepOwnSize(Qt::WindowState state);
    QWidget* focusStopOf(QWidget* widget) const;
    QWidget* focusEntryOf(QWidget* stop) const;

    Tarvello& form_;
    std::array<KindButton*, contents::kindCount> kindButtons_ {};
    KindFrame* kindFrame_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* answerHeading_ = nullptr;
    AnswerList* answerList_ = nullptr;
    QPlainTextEdit* infoBox_ = nullptr;
    ClearButton* clearButton_ = nullptr;
    std::vector<QWidget*> focusRing_; // the tab stops in order
    access::Announcement* announcement_ = nullptr;
    std::vector<Observation> observations_; // end before the widgets go
    bool grown_ = false; // maximised by the window system, larger than the form
};

// Where a window of `size` goes on a screen whose free area is `available`: centred, but
// never above or left of that area, so that its title bar stays in reach.
QPoint windowPlace(QSize size, QRect available);

} // namespace tarvello
