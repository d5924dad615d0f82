#pragma once

// The one window of the program, a mirror of the form model.
//
// TarvelloWindow builds one widget per visible control from the layout tables. Input flows
// one way: a user's click (or Space/Enter) on a widget becomes one user action on the model
// control (`userClick`), whose Click event the model routes to the exercise handlers. The
// handlers change only the model; each change reaches the window through the control's
// observer and updates the one widget that shows it. Nothing the window does to its own
// widgets is ever taken for user input. A RuntimeError raised inside a handler is caught at
// the widget that started it and reported through runtimeError().

#include "exercise/tarvello.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <functional>

class QApplication;
class QLabel;
class QPlainTextEdit;

namespace tarvello {

// A kind button. A click or Space asks the model; the button never checks itself. The arrow
// keys only move the focus to the neighbour above or below.
class KindButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

signals:
    void focusStep(int step);

protected:
    void nextCheckState() override { }
    void keyPressEvent(QKeyEvent* event) override;
};

// The kind frame: an etched edge with the caption set into its top line.
class KindFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The clear button: a flat red face with a raised edge, as a graphical-style button.
class ClearButton : public QPushButton {
    Q_OBJECT

public:
    explicit ClearButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The answer list. A mouse click on a row, or Space/Enter on the current row, emits
// rowChosen; the user never changes the selection, which shows the model's ListIndex.
// A double click counts as one click.
class AnswerList : public QListWidget {
    Q_OBJECT

public:
    explicit AnswerList(QWidget* parent = nullptr);

signals:
    void rowChosen(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TarvelloWindow : public QWidget {
    Q_OBJECT

public:
    // The window shows `form` and sends it the user's clicks; `form` must outlive it.
    explicit TarvelloWindow(Tarvello& form, QWidget* parent = nullptr);
    ~TarvelloWindow() override;

    KindButton* kindButton(int kind) const { return kindButtons_[static_cast<std::size_t>(kind)]; }
    AnswerList* answerList() const { return answerList_; }
    QPlainTextEdit* infoBox() const { return infoBox_; }
    ClearButton* clearButton() const { return clearButton_; }
    QLabel* titleLabel() const { return titleLabel_; }
    QLabel* answerHeading() const { return answerHeading_; }
    KindFrame* kindFrame() const { return kindFrame_; }

    // The info box's text as the window shows it: line breaks in place of CR LF.
    static QString displayText(const Text& text);

signals:
    void runtimeError(int number, const QString& description);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void build();
    void mirror();
    void route(const std::function<void()>& userAction);
    void moveKindFocus(KindButton* from, int step);
    void nameKindForAccess(Integer kind);

    Tarvello& form_;
    std::array<KindButton*, 7> kindButtons_ {};
    KindFrame* kindFrame_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* answerHeading_ = nullptr;
    AnswerList* answerList_ = nullptr;
    QPlainTextEdit* infoBox_ = nullptr;
    ClearButton* clearButton_ = nullptr;
};

// The program's look, set once on the application before the window is made: the Fusion
// style, so that the form's colours show on every desktop, the icon and the name.
void prepareApplication(QApplication& app);

// "Run-time error 'N':" and the error's text, as the program reports it.
QString runtimeErrorMessage(int number, const QString& description);

// The window caption: the publisher's address, a blank and the program's name.
QString windowCaption();

} // namespace tarvello
