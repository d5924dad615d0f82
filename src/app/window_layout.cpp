#include "window_layout.h"

#include "config.h"
#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <QTranslator>
#include <qdrawutil.h>

#include <algorithm>

namespace tarvello {

namespace {

constexpr TwipRect clientArea { 0, 0, 6975, 5355 };
constexpr TwipRect titleLabelPlace { 1560, 0, 3615, 375 };
constexpr TwipRect kindFramePlace { 240, 480, 3135, 2535 };
constexpr TwipRect answerHeadingPlace { 3840, 600, 2895, 375 };
constexpr TwipRect answerListPlace { 3840, 960, 2895, 1485 };
constexpr TwipRect clearButtonPlace { 4320, 2640, 1935, 375 };
constexpr TwipRect infoBoxPlace { 120, 3360, 6735, 1815 };

// Kind buttons inside the kind frame, top to bottom: alphabetical order of their names.
struct KindPlace {
    int kind;
    int top;
};
constexpr std::array<KindPlace, 7> kindPlaces { {
    { 2, 300 }, // бермуди
    { 6, 600 }, // брич
    { 3, 900 }, // гаучо
    { 4, 1200 }, // голф
    { 1, 1500 }, // джамайка
    { 5, 1800 }, // капри
    { 0, 2100 }, // шорти
} };
constexpr int kindLeft = 840;
constexpr int kindWidth = 1500;
constexpr int kindHeight = 300;

// What assistive technology reads out, in the pupil's language.
namespace access {
const QString answerList = "Подредени по дължина";
const QString answerListHelp = "Щракване, интервал или Enter върху ред връща избора обратно";
const QString clearButtonHelp = "Започва упражнението отначало";
const QString infoBox = "Информация";
const QString infoBoxHelp = "Описание на посочения вид или оценка на подредбата";
const QString kindButtonHelp = "Посочете следващия по дължина вид панталон";
const QString usedKind = "Използван: %1";
} // namespace access

const QColor formColour(192, 192, 255);
const QColor labelColour(255, 192, 128);
const QColor kindColour(255, 128, 0);
const QColor clearColour(255, 0, 0);

QString qs(const Text& text)
{
    return QString::fromStdU16String(text);
}

void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont formFont()
{
    QFont font;
    // Liberation Serif has the metrics of Times New Roman; DejaVu Serif is a last resort.
    font.setFamilies({ "Times New Roman", "Liberation Serif", "DejaVu Serif" });
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

// Kind buttons are radio buttons to assistive technology, although Qt's own exclusive
// grouping is off; toggling or pressing one is one click, whatever its check mark shows.
class AccessibleKindButton : public QAccessibleWidget {
public:
    explicit AccessibleKindButton(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction() << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled())
                button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* accessibleKindButton(const QString& className, QObject* object)
{
    if (className == QLatin1String(KindButton::staticMetaObject.className()) &&
        object->isWidgetType())
        return new AccessibleKindButton(static_cast<QWidget*>(object));
    return nullptr;
}

QLabel* makeLabel(QWidget* parent, TwipRect place)
{
    auto* label = new QLabel(parent);
    label->setGeometry(pixels(place));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fillBackground(label, labelColour);
    return label;
}

} // namespace

void KindFrame::paintEvent(QPaintEvent*)
{
    // An etched edge whose top line runs through the middle of the caption.
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    qDrawShadeRect(&painter, rect().adjusted(0, top, 0, 0), palette(), true, 1);
    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(backgroundRole()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

ClearButton::ClearButton(QWidget* parent) : QPushButton(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Button, clearColour);
    colours.setColor(QPalette::Light, clearColour.lighter(160));
    colours.setColor(QPalette::Midlight, clearColour.lighter(130));
    colours.setColor(QPalette::Dark, clearColour.darker(200));
    colours.setColor(QPalette::Mid, clearColour.darker(150));
    colours.setColor(QPalette::Shadow, Qt::black);
    setPalette(colours);
}

void ClearButton::paintEvent(QPaintEvent*)
{
    // A flat red face with a raised edge, pressed in while held down.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    qDrawWinButton(&painter, rect(), palette(), isDown());
    const QRect face = rect().adjusted(2, 2, -2, -2).translated(isDown() ? QPoint(1, 1) : QPoint());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(face, Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = face.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void KindButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        emit focusStep(-1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        emit focusStep(+1);
        break;
    default:
        QRadioButton::keyPressEvent(event);
    }
}

AnswerList::AnswerList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::clicked, this,
        [this](const QModelIndex& index) { emit rowChosen(index.row()); });
}

QItemSelectionModel::SelectionFlags AnswerList::selectionCommand(
    const QModelIndex&, const QEvent*) const
{
    return QItemSelectionModel::NoUpdate;
}

void AnswerList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex().isValid())
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

TarvelloWindow::TarvelloWindow(Tarvello& form, QWidget* parent)
    : QWidget(parent,
          Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
              Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form)
{
    build();
    mirror();
}

TarvelloWindow::~TarvelloWindow()
{
    for (OptionButton& button : form_.Option1)
        button.observe(nullptr);
    form_.List1(0).observe(nullptr);
    form_.Text1(0).observe(nullptr);
}

void TarvelloWindow::build()
{
    setWindowTitle(windowCaption());
    setFixedSize(pixels(clientArea).size());
    setFont(formFont());
    fillBackground(this, formColour);

    titleLabel_ = makeLabel(this, titleLabelPlace);
    answerHeading_ = makeLabel(this, answerHeadingPlace);

    kindFrame_ = new KindFrame(this);
    kindFrame_->setGeometry(pixels(kindFramePlace));
    fillBackground(kindFrame_, formColour);
    for (const KindPlace& place : kindPlaces) {
        auto* button = new KindButton(kindFrame_);
        button->setGeometry(pixels(TwipRect { kindLeft, place.top, kindWidth, kindHeight }));
        button->setAutoExclusive(false);
        fillBackground(button, kindColour);
        const auto kind = static_cast<Integer>(place.kind);
        connect(button, &QAbstractButton::clicked, this,
            [this, kind] { route([this, kind] { form_.Option1(kind).userClick(); }); });
        connect(button, &KindButton::focusStep, this,
            [this, button](int step) { moveKindFocus(button, step); });
        kindButtons_[static_cast<std::size_t>(kind)] = button;
    }

    answerList_ = new AnswerList(this);
    answerList_->setGeometry(pixels(answerListPlace));
    connect(answerList_, &AnswerList::rowChosen, this, [this](int row) {
        route([this, row] { form_.List1(0).userClick(static_cast<Integer>(row)); });
    });

    clearButton_ = new ClearButton(this);
    clearButton_->setGeometry(pixels(clearButtonPlace));
    connect(clearButton_, &QAbstractButton::clicked, this,
        [this] { route([this] { form_.Command1(0).userClick(); }); });

    infoBox_ = new QPlainTextEdit(this);
    infoBox_->setGeometry(pixels(infoBoxPlace));
    infoBox_->setReadOnly(true);
    infoBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    infoBox_->setTabChangesFocus(true);
    infoBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    infoBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    infoBox_->setFocusPolicy(Qt::StrongFocus);

    kindFrame_->setAccessibleName(qs(form_.Frame1.Caption()));
    answerList_->setAccessibleName(access::answerList);
    answerList_->setAccessibleDescription(access::answerListHelp);
    clearButton_->setAccessibleDescription(access::clearButtonHelp);
    infoBox_->setAccessibleName(access::infoBox);
    infoBox_->setAccessibleDescription(access::infoBoxHelp);
    for (KindButton* button : kindButtons_)
        button->setAccessibleDescription(access::kindButtonHelp);

    QWidget* previous = infoBox_;
    for (KindButton* button : kindButtons_) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, answerList_);
    setTabOrder(answerList_, clearButton_);
    infoBox_->setFocus();
}

void TarvelloWindow::mirror()
{
    titleLabel_->setText(qs(form_.Label1(0).Caption()));
    answerHeading_->setText(qs(form_.Label1(1).Caption()));
    kindFrame_->setTitle(qs(form_.Frame1.Caption()));
    clearButton_->setText(qs(form_.Command1(0).Caption()));

    for (const OptionButton& control : form_.Option1) {
        KindButton* button = kindButton(control.Index());
        button->setText(qs(control.Caption()));
        nameKindForAccess(control.Index());
        button->setChecked(control.Value());
        button->setEnabled(control.Enabled());
    }
    for (OptionButton& control : form_.Option1) {
        control.observe(
            [this, &control, button = kindButton(control.Index())](const Change& change) {
                switch (change.kind) {
                case Change::Kind::Caption:
                    button->setText(qs(control.Caption()));
                    nameKindForAccess(control.Index());
                    break;
                case Change::Kind::Value:
                    button->setChecked(control.Value());
                    break;
                case Change::Kind::Enabled:
                    button->setEnabled(control.Enabled());
                    break;
                default:
                    break;
                }
            });
    }

    ListBox& answers = form_.List1(0);
    for (Integer row = 0; row < answers.ListCount(); ++row)
        answerList_->addItem(qs(answers.List(row)));
    answers.observe([&answers, list = answerList_](const Change& change) {
        switch (change.kind) {
        case Change::Kind::RowAdded:
            list->insertItem(change.row, qs(answers.List(change.row)));
            break;
        case Change::Kind::RowRemoved:
            delete list->takeItem(change.row);
            break;
        case Change::Kind::RowsCleared:
            list->clear();
            break;
        case Change::Kind::ListIndex:
            if (answers.ListIndex() < 0)
                list->clearSelection();
            else
                list->selectionModel()->select(list->model()->index(answers.ListIndex(), 0),
                    QItemSelectionModel::ClearAndSelect);
            break;
        default:
            break;
        }
    });

    TextBox& info = form_.Text1(0);
    infoBox_->setPlainText(displayText(info.Text()));
    info.observe([&info, box = infoBox_](const Change& change) {
        if (change.kind != Change::Kind::Text)
            return;
        box->setPlainText(displayText(info.Text()));
        // A new description or verdict is news wherever the focus is: raise it as an alert.
        QAccessibleEvent alert(box, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    });
}

void TarvelloWindow::nameKindForAccess(Integer kind)
{
    // A used kind shows no caption; it is read out as used, with the name it had.
    const Text& caption = form_.Option1(kind).Caption();
    kindButton(kind)->setAccessibleName(
        caption.empty() ? access::usedKind.arg(qs(form_.List1(1).List(kind))) : qs(caption));
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
    for (std::size_t row = 0; row < kindPlaces.size(); ++row) {
        if (kindButton(kindPlaces[row].kind) == from) {
            const auto next = static_cast<std::size_t>((static_cast<int>(row) + step + 7) % 7);
            kindButton(kindPlaces[next].kind)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool TarvelloWindow::focusNextPrevChild(bool next)
{
    // The focus ring: info box, the kind buttons as one stop, answer list, clear button.
    // Entering the kind buttons lands on the selected one, or on the first if none is.
    QWidget* current = focusWidget();
    int stop = -1;
    if (current == infoBox_)
        stop = 0;
    else if (std::find(kindButtons_.begin(), kindButtons_.end(), current) != kindButtons_.end())
        stop = 1;
    else if (current == answerList_)
        stop = 2;
    else if (current == clearButton_)
        stop = 3;
    if (stop < 0)
        return QWidget::focusNextPrevChild(next);

    const int target = (stop + (next ? 1 : 3)) % 4;
    QWidget* widget = nullptr;
    switch (target) {
    case 0:
        widget = infoBox_;
        break;
    case 1:
        widget = kindButtons_[0];
        for (const OptionButton& control : form_.Option1) {
            if (control.Value())
                widget = kindButton(control.Index());
        }
        break;
    case 2:
        widget = answerList_;
        break;
    default:
        widget = clearButton_;
        break;
    }
    widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

QString TarvelloWindow::displayText(const Text& text)
{
    return qs(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void prepareApplication(QApplication& app)
{
    // The pupil reads Bulgarian, whatever the system's language: Qt's own texts too.
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    auto* translator = new QTranslator(&app);
    if (translator->load(
            QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QAccessible::installFactory(accessibleKindButton);
    app.setApplicationName("Tarvello");
    app.setApplicationVersion(TARVELLO_VERSION);
    QIcon icon;
    for (const QFileInfo& file : QDir(":/icons").entryInfoList())
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);
}

QString runtimeErrorMessage(int number, const QString& description)
{
    return QString("Run-time error '%1':\n\n%2").arg(number).arg(description);
}

QString windowCaption()
{
    return QStringLiteral(TARVELLO_PUBLISHER " Tarvello");
}

} // namespace tarvello
