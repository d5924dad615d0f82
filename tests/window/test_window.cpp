#include "contrast.h"
#include "form_look.h"
#include "held_keys.h"
#include "mirror.h"
#include "runtime_error.h"
#include "shown_window.h"
#include "window_test_main.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <map>
#include <memory>

#ifdef Q_OS_WIN
#include "windows_news.h"

#include <windows.h>

#include <uiautomationclient.h>
#include <uiautomationcore.h>
#endif

using namespace tarvello;
using namespace tarvello::test;

namespace {

// A shown window with a record of every Click the model routes.
struct Fixture : ShownWindow {
    QList<int> kindClicks, listClicks, clearClicks;

    Fixture()
    {
        form.Option1.onClick([this](Integer i) { kindClicks << i; });
        form.List1.onClick([this](Integer i) { listClicks << i; });
        form.Command1.onClick([this](Integer i) { clearClicks << i; });
    }

    // The widgets by the names the tests give them; the kind buttons by kind index.
    std::map<QString, QWidget*> widgets() const
    {
        std::map<QString, QWidget*> byName { { "title", window.titleLabel() },
            { "frame", window.kindFrame() }, { "heading", window.answerHeading() },
            { "list", window.answerList() }, { "clear", window.clearButton() },
            { "info", window.infoBox() } };
        for (int kind = 0; kind < contents::kindCount; ++kind)
            byName[QString("kind%1").arg(kind)] = window.kindButton(kind);
        return byName;
    }
    QWidget* widget(const QString& name) const { return widgets().at(name); }
    QString nameOf(const QWidget* widget) const
    {
        for (const auto& [name, candidate] : widgets()) {
            if (candidate == widget)
                return name;
        }
        return widget ? widget->metaObject()->className() : "none";
    }

    void clickKind(int kind) { QTest::mouseClick(window.kindButton(kind), Qt::LeftButton); }
    void clickKinds(const QList<int>& kinds)
    {
        for (int kind : kinds)
            clickKind(kind);
    }
    void clickRow(int row)
    {
        AnswerList* list = window.answerList();
        const QRect rect = list->visualItemRect(list->item(row));
        QVERIFY(!rect.isEmpty());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
};

// Every widget shows exactly what its control holds.
void verifyMirror(const Fixture& f)
{
    QCOMPARE(mirrorMismatch(f.form, f.window), QString());
}

class SingleClickActivates : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* data) const override
    {
        if (hint == QStyle::SH_ItemView_ActivateItemOnSingleClick)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// Key events of `key` to `receiver`, as a keyboard sends them, written as words: "P1000" a
// press at 1000 ms, "R1660r" a release at 1660 ms marked as repeated.
void playKeys(QObject* receiver, int key, const QString& events)
{
    const QString text = key == Qt::Key_Space ? " " : "\r";
    for (const QString& word : events.split(' ')) {
        const bool marked = word.endsWith('r');
        QKeyEvent event(word.startsWith('P') ? QEvent::KeyPress : QEvent::KeyRelease, key,
            Qt::NoModifier, text, marked);
        event.setTimestamp(word.mid(1, word.size() - 1 - marked).toULongLong());
        QCoreApplication::sendEvent(receiver, &event);
    }
}

// A key held for 760 ms: a press, the keyboard's repeat delay, repeated pairs of release
// and press that carry one time, the release. Qt marks the pairs as repeated on Wayland and
// Windows, and on X11 mostly.
const QString heldMarked = "P1000 R1660r P1660r R1700r P1700r R1740r P1740r R1760";
const QString heldUnmarked = "P1000 R1660 P1660 R1700 P1700 R1740 P1740 R1760";

// The application's own filter of held keys, working for `platform` while this lives.
class KeysAsOn {
public:
    explicit KeysAsOn(QStringView platform) { filter()->setPlatform(platform); }
    ~KeysAsOn() { filter()->setPlatform(QGuiApplication::platformName()); }

private:
    static HeldKeys* filter() { return qApp->findChild<HeldKeys*>(); }
};

// One notch of the mouse wheel down, over the middle of `widget`.
void wheelDown(QWidget* widget)
{
    const QPointF middle = QRectF(widget->rect()).center();
    QWheelEvent wheel(middle, widget->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

// Where two pictures of one widget differ.
QList<QPoint> differences(const QImage& a, const QImage& b)
{
    QList<QPoint> points;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                points << QPoint(x, y);
        }
    }
    return points;
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void startsAsStored();
    void routing_data();
    void routing();
    void wholeGame_data();
    void wholeGame();
    void takeBackDoesNotCascade_data();
    void takeBackDoesNotCascade();
    void focusRing_data();
    void focusRing();
    void arrowsMoveFocusOnly();
    void spacePicks();
    void listKeys();
    void accessibleActionPicksOnce();
    void wholeKindButtonTakesTheClick_data();
    void wholeKindButtonTakesTheClick();
    void answerListKeepsACurrentRow_data();
    void answerListKeepsACurrentRow();
    void answerListAfterTheWheel_data();
    void answerListAfterTheWheel();
    void focusMarkIsPlain_data();
    void focusMarkIsPlain();
    void keyRepeats_data();
    void keyRepeats();
    void heldKeyCountsOnce_data();
    void heldKeyCountsOnce();
    void heldKeyCountsOnceInAMessageBox();
    void accessibleRowActions_data();
    void accessibleRowActions();
    void windowPlace_data();
    void windowPlace();
    void colours_data();
    void colours();
    void fontHasCyrillic();
    void captionsFit();
    void windowFrame();
    void windowIconIsItsPictures();
    void runtimeErrorIsReported();
    void runtimeErrorEndsTheProgram();
#ifdef Q_OS_WIN
    void newsSourceAfterItsWindow();
#endif
};

void TestWindow::startsAsStored()
{
    Fixture f;
    verifyMirror(f);
    QCOMPARE(f.window.infoBox()->toPlainText().count('\n'), 9);
    QCOMPARE(f.window.titleLabel()->text(), qs(contents::title));
    QCOMPARE(f.window.answerHeading()->text(), qs(contents::answerHeading));
    QCOMPARE(f.window.kindFrame()->title(), qs(contents::kindFrame));
    QCOMPARE(f.window.clearButton()->text(), qs(contents::clearButton));
    QCOMPARE(QApplication::focusWidget(), f.window.infoBox());
    QCOMPARE(f.kindClicks.size() + f.listClicks.size() + f.clearClicks.size(), 0);
}

void TestWindow::routing_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < contents::kindCount; ++kind)
        QTest::addRow("%s", qPrintable(names[kind])) << kind;
}

void TestWindow::routing()
{
    QFETCH(int, kind);

    Fixture f;
    QCOMPARE(f.window.kindButton(kind)->text(), names[kind]);
    f.clickKind(kind);
    QCOMPARE(f.kindClicks, QList<int> { kind });
    QCOMPARE(shownRows(f.window.answerList()), QStringList { names[kind] });

    f.clickRow(0);
    QCOMPARE(f.listClicks, QList<int> { 0 });
    QVERIFY(f.window.kindButton(kind)->showsDot()); // the last clicked stays selected
    QTest::mouseClick(f.window.clearButton(), Qt::LeftButton);
    QCOMPARE(f.clearClicks, QList<int> { 0 });
    QVERIFY(!f.window.kindButton(kind)->showsDot());
    verifyMirror(f);
}

void TestWindow::wholeGame_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("right") << QList<int> { 0, 1, 2, 3, 4, 5, 6 } << correct;
    QTest::newRow("screen_order") << screenOrder << wrong;
}

void TestWindow::wholeGame()
{
    QFETCH(QList<int>, order);
    QFETCH(QString, verdict);

    Fixture f;
    for (int kind : order) {
        f.clickKind(kind);
        verifyMirror(f);
        QVERIFY(f.window.kindButton(kind)->text().isEmpty());
        QVERIFY(f.window.kindButton(kind)->showsDot());
    }
    QCOMPARE(f.window.infoBox()->toPlainText(), verdict);
    QCOMPARE(f.window.answerList()->count(), 7);
}

void TestWindow::takeBackDoesNotCascade_data()
{
    QTest::addColumn<bool>("singleClickActivates");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("row");

    QTest::newRow("first_row") << false << false << 0;
    QTest::newRow("middle_row") << false << false << 2;
    QTest::newRow("last_row") << false << false << 3;
    QTest::newRow("single_click_activates_style") << true << false << 1;
    QTest::newRow("double_click_counts_once") << false << true << 0;
}

void TestWindow::takeBackDoesNotCascade()
{
    QFETCH(bool, singleClickActivates);
    QFETCH(bool, doubleClick);
    QFETCH(int, row);

    Fixture f;
    SingleClickActivates style;
    if (singleClickActivates)
        f.window.answerList()->setStyle(&style);
    f.clickKinds({ 5, 1, 4, 0 });
    QStringList expected = shownRows(f.window.answerList());
    expected.removeAt(row);

    AnswerList* list = f.window.answerList();
    const QPoint where = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    if (doubleClick) { // the rest of a double click: the second press comes as a double-click event
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, where);
    }

    QCOMPARE(shownRows(list), expected);
    QCOMPARE(f.listClicks, QList<int> { 0 });
    verifyMirror(f);
}

void TestWindow::focusRing_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QStringList>("stops");

    QTest::newRow("tab_none_selected")
        << QList<int>() << true << QStringList { "kind2", "list", "clear", "info", "kind2" };
    QTest::newRow("backtab_none_selected")
        << QList<int>() << false << QStringList { "clear", "list", "kind2", "info" };
    QTest::newRow("tab_enters_selected_kind")
        << QList<int> { 4 } << true << QStringList { "kind4", "list", "clear", "info" };
}

void TestWindow::focusRing()
{
    QFETCH(QList<int>, picks);
    QFETCH(bool, forward);
    QFETCH(QStringList, stops);

    Fixture f;
    f.clickKinds(picks);
    f.window.infoBox()->setFocus();
    const QStringList rowsBefore = shownRows(f.window.answerList());

    QStringList seen;
    for (int i = 0; i < stops.size(); ++i) {
        f.key(forward ? Qt::Key_Tab : Qt::Key_Backtab);
        seen << f.nameOf(QApplication::focusWidget());
    }
    QCOMPARE(seen, stops);
    QCOMPARE(shownRows(f.window.answerList()), rowsBefore);
}

void TestWindow::arrowsMoveFocusOnly()
{
    Fixture f;
    f.clickKind(2); // top button, now selected and focused
    QCOMPARE(QApplication::focusWidget(), f.window.kindButton(2));
    const Snapshot before = snapshot(f.form);

    const QList<QPair<int, int>> steps { { Qt::Key_Down, 6 }, { Qt::Key_Down, 3 },
        { Qt::Key_Right, 4 }, { Qt::Key_Up, 3 }, { Qt::Key_Left, 6 }, { Qt::Key_Up, 2 },
        { Qt::Key_Up, 0 }, { Qt::Key_Down, 2 } };
    for (const auto& [key, kind] : steps) {
        f.key(key);
        QCOMPARE(QApplication::focusWidget(), f.window.kindButton(kind));
    }
    QCOMPARE(snapshot(f.form), before);
    QCOMPARE(f.kindClicks, QList<int> { 2 });
    verifyMirror(f);
}

void TestWindow::spacePicks()
{
    Fixture f;
    f.window.kindButton(4)->setFocus();
    f.key(Qt::Key_Space);
    QCOMPARE(shownRows(f.window.answerList()), namesOf({ 4 }));
    QCOMPARE(f.kindClicks, QList<int> { 4 });
    f.key(Qt::Key_Space); // a used kind: nothing more
    QCOMPARE(shownRows(f.window.answerList()), namesOf({ 4 }));
    verifyMirror(f);
}

void TestWindow::listKeys()
{
    Fixture f;
    f.clickKinds({ 2, 6, 3 });
    f.key(Qt::Key_Tab); // from the selected kind button into the answer list
    QCOMPARE(QApplication::focusWidget(), f.window.answerList());
    QCOMPARE(f.window.answerList()->count(), 3);
    f.key(Qt::Key_Down);
    f.key(Qt::Key_Down);
    f.key(Qt::Key_Up);
    QCOMPARE(f.window.answerList()->count(), 3);
    QCOMPARE(f.window.answerList()->currentRow(), 1);
    f.key(Qt::Key_Return);
    QCOMPARE(shownRows(f.window.answerList()), namesOf({ 2, 3 }));
    QCOMPARE(f.window.answerList()->currentRow(), 1); // the row that moved up into its place
    f.key(Qt::Key_Up);
    f.key(Qt::Key_Space);
    QCOMPARE(shownRows(f.window.answerList()), namesOf({ 3 }));
    QCOMPARE(f.listClicks, (QList<int> { 0, 0 }));
    verifyMirror(f);
}

void TestWindow::accessibleActionPicksOnce()
{
    Fixture f;
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(f.window.kindButton(4));
    QVERIFY(button && button->actionInterface());
    QCOMPARE(button->role(), QAccessible::RadioButton);
    QAccessibleActionInterface* actions = button->actionInterface();
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(f.kindClicks, QList<int> { 4 });

    QAccessibleInterface* other = QAccessible::queryAccessibleInterface(f.window.kindButton(5));
    other->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.kindClicks, (QList<int> { 4, 5 })); // at once, and once
    QCOMPARE(shownRows(f.window.answerList()), namesOf({ 4, 5 }));

    // Taken back while still the selected button: toggling it picks it again, once.
    f.clickRow(1);
    QVERIFY(f.window.kindButton(5)->showsDot());
    other->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(shownRows(f.window.answerList()), namesOf({ 4, 5 }));
    QCOMPARE(f.kindClicks, (QList<int> { 4, 5, 5 }));
    verifyMirror(f);
}

void TestWindow::wholeKindButtonTakesTheClick_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("used");
    QTest::addColumn<QPoint>("point");

    // A kind button is 100 x 20 pixels: the circle at the left, then the caption's text.
    QTest::newRow("beside_a_short_name") << 4 << false << QPoint(95, 10);
    QTest::newRow("bottom_right_corner") << 6 << false << QPoint(99, 19);
    QTest::newRow("used_button_middle") << 3 << true << QPoint(50, 10);
    QTest::newRow("used_button_right_edge") << 3 << true << QPoint(97, 3);
}

void TestWindow::wholeKindButtonTakesTheClick()
{
    QFETCH(int, kind);
    QFETCH(bool, used);
    QFETCH(QPoint, point);

    Fixture f;
    if (used)
        f.form.Option1(static_cast<Integer>(kind)).userClick();
    f.kindClicks.clear();
    QTest::mouseClick(f.window.kindButton(kind), Qt::LeftButton, {}, point);
    QCOMPARE(f.kindClicks, QList<int> { kind });
    QCOMPARE(shownRows(f.window.answerList()), namesOf({ kind }));
    verifyMirror(f);
}

void TestWindow::answerListKeepsACurrentRow_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Return);
}

void TestWindow::answerListKeepsACurrentRow()
{
    QFETCH(int, key);

    Fixture f;
    AnswerList* list = f.window.answerList();
    f.clickKinds({ 2, 6 });
    f.clickRow(1);
    f.clickRow(0); // the list has been used and emptied
    f.clickKinds({ 3, 4 });
    f.key(Qt::Key_Tab); // from the kind button clicked last into the list
    QCOMPARE(QApplication::focusWidget(), list);
    QVERIFY(list->currentIndex().isValid());

    // The current row shows with the focus, as a frame alone: no fill that would look like a
    // selection.
    const QRect row = list->visualRect(list->currentIndex());
    const QImage focused = list->viewport()->grab(row).toImage();
    f.window.infoBox()->setFocus();
    const QList<QPoint> frame = differences(focused, list->viewport()->grab(row).toImage());
    QVERIFY(!frame.isEmpty());
    const QRect inside = QRect(QPoint(), row.size()).adjusted(1, 1, -1, -1);
    for (const QPoint& point : frame)
        QVERIFY2(
            !inside.contains(point), qPrintable(QString("%1,%2").arg(point.x()).arg(point.y())));
    list->setFocus(Qt::TabFocusReason);

    f.key(key);
    f.key(key); // the focus has stayed in the list: its next row is current now
    QCOMPARE(f.listClicks.size(), 4);
    QCOMPARE(list->count(), 0);
    verifyMirror(f);
}

void TestWindow::answerListAfterTheWheel_data()
{
    QTest::addColumn<QString>("then");

    QTest::newRow("left_click_unfocused") << "left click";
    QTest::newRow("left_click_focused") << "focus, wheel, left click";
    QTest::newRow("right_click") << "right click";
    QTest::newRow("middle_click") << "middle click";
    QTest::newRow("tab_in_and_enter") << "tab, enter";
    QTest::newRow("wheel_while_focused_and_enter") << "focus, wheel, enter";
}

void TestWindow::answerListAfterTheWheel()
{
    QFETCH(QString, then);

    Fixture f;
    f.clickKinds({ 0, 1, 2, 3, 4, 5, 6 });
    AnswerList* list = f.window.answerList();
    QWidget* viewport = list->viewport();
    f.window.clearButton()->setFocus(Qt::TabFocusReason);
    if (then.startsWith("focus"))
        list->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0); // the rows laid out
    wheelDown(viewport);
    const int scrolledTo = list->verticalScrollBar()->value();
    QVERIFY(scrolledTo > 0);
    const QStringList before = shownRows(list);
    // The bottom row in full sight, where the pupil clicks.
    int bottom = -1;
    for (int row = 0; row < list->count(); ++row) {
        if (viewport->rect().contains(list->visualRect(list->model()->index(row, 0))))
            bottom = row;
    }
    QVERIFY(bottom > 0);
    const QPoint where = list->visualRect(list->model()->index(bottom, 0)).center();

    QString takenBack;
    if (then.endsWith("left click")) {
        takenBack = before[bottom];
        QTest::mouseClick(viewport, Qt::LeftButton, {}, where);
    } else if (then.endsWith("enter")) {
        if (then.startsWith("tab"))
            f.key(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->verticalScrollBar()->value(), scrolledTo); // the focus did not scroll
        // The current row, the one Enter takes back, is in full sight.
        QVERIFY(viewport->rect().contains(list->visualRect(list->currentIndex())));
        takenBack = before[list->currentRow()];
        f.key(Qt::Key_Return);
    } else {
        QTest::mouseClick(
            viewport, then == "right click" ? Qt::RightButton : Qt::MiddleButton, {}, where);
        QCOMPARE(list->verticalScrollBar()->value(), scrolledTo);
    }
    QStringList expected = before;
    expected.removeOne(takenBack);
    QCOMPARE(shownRows(list), expected);
    verifyMirror(f);
}

void TestWindow::focusMarkIsPlain_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<bool>("used"); // a kind: the same mark blank as with its caption
    QTest::newRow("kind") << "kind3" << look::kind << false;
    QTest::newRow("used_kind") << "kind3" << look::kind << true;
    QTest::newRow("answer_list") << "list" << QColor(Qt::white) << false;
    QTest::newRow("clear_button") << "clear" << look::clear << false;
}

void TestWindow::focusMarkIsPlain()
{
    // What the focus adds to a control stands out at 3:1 or more against the control's face,
    // and frames its text.
    QFETCH(QString, control);
    QFETCH(QColor, face);
    QFETCH(bool, used);

    Fixture f;
    f.clickKinds({ 2 }); // a row in the list
    QWidget* widget = f.widget(control);
    auto focusMark = [&] {
        f.window.infoBox()->setFocus(Qt::TabFocusReason);
        const QImage unfocused = widget->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        const QImage focused = widget->grab().toImage();
        QRect mark;
        for (const QPoint& point : differences(focused, unfocused)) {
            if (contrast(focused.pixel(point), face.rgb()) >= 3)
                mark |= QRect(point, QSize(1, 1));
        }
        return mark;
    };
    const QRect mark = focusMark();
    QVERIFY2(mark.width() >= 40 && mark.height() >= 10,
        qPrintable(QString("mark %1x%2").arg(mark.width()).arg(mark.height())));
    if (used) {
        f.key(Qt::Key_Space);
        QVERIFY(f.window.kindButton(3)->text().isEmpty());
        QCOMPARE(focusMark(), mark);
    }
}

void TestWindow::keyRepeats_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("presses");

    const struct {
        const char* name;
        QString events;
        int x11, elsewhere; // presses that count: clicks of a button
    } sequences[] = {
        { "held_marked", heldMarked, 1, 1 },
        // Unmarked pairs are X11's repeats; elsewhere only a keyboard's own presses.
        { "held_unmarked", heldUnmarked, 1, 4 },
        // Windows' clock steps by about 16 ms: two quick presses can carry one time.
        { "two_quick_presses", "P1000 R1016 P1016 R1031", 2, 2 },
        // As Qt's X11 platform marks them, and as no other platform would.
        { "two_quick_presses_marked", "P1000 R1016r P1016r R1031", 2, 1 },
        { "presses_with_no_time", "P0 R0 P0 R0", 2, 2 },
    };
    for (const auto& sequence : sequences) {
        for (const QString platform : { "xcb", "wayland", "windows" }) {
            QTest::addRow("%s_%s", sequence.name, qPrintable(platform))
                << platform << sequence.events
                << (platform == "xcb" ? sequence.x11 : sequence.elsewhere);
        }
    }
}

void TestWindow::keyRepeats()
{
    QFETCH(QString, platform);
    QFETCH(QString, events);
    QFETCH(int, presses);

    QPushButton button;
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    KeysAsOn keys(platform);
    playKeys(&button, Qt::Key_Space, events);
    QCOMPARE(clicks.size(), presses);
}

void TestWindow::heldKeyCountsOnce_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("platform");

    const QList<QPair<QString, int>> presses { { "list", Qt::Key_Space },
        { "list", Qt::Key_Return }, { "clear", Qt::Key_Space }, { "clear", Qt::Key_Return },
        { "clear", Qt::Key_Enter }, { "kind6", Qt::Key_Space } };
    for (const QString platform : { "xcb", "windows" }) {
        for (const auto& [target, key] : presses)
            QTest::addRow("%s_%s_%s", qPrintable(target), qPrintable(QKeySequence(key).toString()),
                qPrintable(platform))
                << target << key << platform;
    }
}

// A held key on each widget that takes keys, unmarked as X11 sends it at times, and marked.
void TestWindow::heldKeyCountsOnce()
{
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(QString, platform);

    Fixture f;
    f.clickKinds({ 0, 1, 2, 3, 4, 5 });
    QWidget* widget = f.widget(target);
    widget->setFocus(Qt::TabFocusReason);
    f.kindClicks.clear();
    KeysAsOn keys(platform);
    playKeys(widget, key, platform == "xcb" ? heldUnmarked : heldMarked);
    QCOMPARE(f.kindClicks.size() + f.listClicks.size() + f.clearClicks.size(), 1);
    verifyMirror(f);
}

void TestWindow::heldKeyCountsOnceInAMessageBox()
{
    QMessageBox box(QMessageBox::Critical, "Tarvello", "", QMessageBox::Ok);
    box.show();
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    QSignalSpy clicks(ok, &QAbstractButton::clicked);
    KeysAsOn keys(u"xcb");
    playKeys(ok, Qt::Key_Space, heldUnmarked);
    QCOMPARE(clicks.size(), 1);
}

void TestWindow::accessibleRowActions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("takesBack");
    // Each action a row offers; toggle is what Qt's UI Automation calls for a select.
    QTest::newRow("press") << QAccessibleActionInterface::pressAction() << true;
    QTest::newRow("set_focus") << QAccessibleActionInterface::setFocusAction() << false;
    QTest::newRow("select") << QAccessibleActionInterface::toggleAction() << false;
}

void TestWindow::accessibleRowActions()
{
    QFETCH(QString, action);
    QFETCH(bool, takesBack);

    Fixture f;
    f.clickKinds({ 2, 6, 3 });
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.window.answerList());
    QAccessibleInterface* row = list->child(1);
    QVERIFY(row && row->actionInterface());
    QCOMPARE(row->text(QAccessible::Name), names[6]);
    row->actionInterface()->doAction(action);
    row->actionInterface()->doAction(action); // the row is gone, or stays current
    QCOMPARE(f.listClicks.size(), takesBack ? 1 : 0);
    QCOMPARE(
        shownRows(f.window.answerList()), namesOf(takesBack ? QList { 2, 3 } : QList { 2, 6, 3 }));
    if (!takesBack) {
        QCOMPARE(f.window.answerList()->currentRow(), 1);
        QVERIFY(row->state().focused && !list->state().focused); // one focus, on the row
    }
    f.window.clearButton()->setFocus(Qt::TabFocusReason); // no row keeps the focus
    for (int i = 0; i < list->childCount(); ++i)
        QVERIFY(list->child(i)->isValid() && !list->child(i)->state().focused);
    verifyMirror(f);
}

void TestWindow::windowPlace_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("centred") << QRect(0, 0, 1025, 769) << QPoint(280, 206);
    QTest::newRow("screen_smaller_than_window") << QRect(0, 0, 400, 300) << QPoint(0, 0);
    QTest::newRow("panel_at_the_top") << QRect(0, 32, 400, 268) << QPoint(0, 32);
    QTest::newRow("narrow_second_screen") << QRect(1920, 0, 400, 1080) << QPoint(1920, 361);
}

void TestWindow::windowPlace()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, topLeft);
    QCOMPARE(tarvello::windowPlace(QSize(465, 357), available), topLeft);
}

void TestWindow::colours_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");

    const QColor form(192, 192, 255), label(255, 192, 128), kind(255, 128, 0), red(255, 0, 0);
    QTest::newRow("form") << QList<int>() << QPoint(3, 3) << form;
    QTest::newRow("form_below_clear_button") << QList<int>() << QPoint(350, 210) << form;
    QTest::newRow("title_label") << QList<int>() << QPoint(110, 3) << label;
    QTest::newRow("answer_heading") << QList<int>() << QPoint(262, 43) << label;
    QTest::newRow("kind_frame_inside") << QList<int>() << QPoint(30, 150) << form;
    QTest::newRow("kind_button") << QList<int>() << QPoint(16 + 56 + 95, 32 + 20 + 10) << kind;
    QTest::newRow("used_kind_button")
        << QList<int> { 2 } << QPoint(16 + 56 + 60, 32 + 20 + 10) << kind;
    QTest::newRow("clear_button_face") << QList<int>() << QPoint(288 + 10, 176 + 12) << red;
    QTest::newRow("clear_button_face_low") << QList<int>() << QPoint(288 + 120, 176 + 20) << red;
}

void TestWindow::colours()
{
    QFETCH(QList<int>, picks);
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);

    Fixture f;
    f.clickKinds(picks);
    f.window.infoBox()->setFocus(); // no focus frame on the sampled controls
    const QPixmap picture = f.window.grab();
    const QPoint pixel = (QPointF(point) * picture.devicePixelRatio()).toPoint();
    QCOMPARE(picture.toImage().pixelColor(pixel).name(), colour.name());
}

void TestWindow::fontHasCyrillic()
{
    Fixture f;
    const QFont font = f.window.infoBox()->font();
    const QFontInfo info(font);
    QCOMPARE(info.pointSize(), 12);
    QVERIFY(!info.bold() && !info.italic());
    QVERIFY2(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Cyrillic),
        qPrintable(info.family()));
    QVERIFY2(info.family() == "Times New Roman" || info.styleHint() == QFont::Serif ||
            info.family().contains("Serif"),
        qPrintable(info.family()));
    const QFontMetrics metrics(font);
    const QString shown = names.join("") + descriptions.join("") + qs(contents::clearButton) +
        qs(contents::answerHeading) + qs(contents::kindFrame) + qs(contents::assignment);
    for (QChar c : shown)
        QVERIFY2(!c.isPrint() || metrics.inFont(c), qPrintable(QString(c)));
    for (QWidget* widget : f.window.findChildren<QWidget*>())
        QVERIFY2(
            QFontInfo(widget->font()).family() == info.family(), widget->metaObject()->className());
}

void TestWindow::captionsFit()
{
    Fixture f;
    const QString family = QFontInfo(f.window.font()).family();
    QVERIFY2(family == "Times New Roman" || family == "Liberation Serif", qPrintable(family));

    auto fits = [](QWidget* widget, const QString& text, int room) {
        const int needed = widget->fontMetrics().horizontalAdvance(text);
        if (needed > room)
            qWarning("'%s' needs %d pixels, has %d", qPrintable(text), needed, room);
        return needed <= room;
    };
    QVERIFY(fits(f.window.titleLabel(), f.window.titleLabel()->text(), 241));
    QVERIFY(fits(f.window.answerHeading(), f.window.answerHeading()->text(), 193));
    QVERIFY(fits(f.window.clearButton(), f.window.clearButton()->text(), 129 - 4));
    // The caption sits in the frame's top edge from 6 pixels in, with 2 pixels either side,
    // and must end before the edge turns down at the right.
    QVERIFY(fits(f.window.kindFrame(), f.window.kindFrame()->title(), 209 - 6 - 4 - 6));
    for (int kind = 0; kind < contents::kindCount; ++kind) {
        KindButton* button = f.window.kindButton(kind);
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
        QVERIFY(fits(
            f.window.answerList(), button->text(), f.window.answerList()->viewport()->width() - 4));
    }
}

void TestWindow::windowFrame()
{
    Fixture f;
    const QString name = " " + QApplication::applicationName();
    QVERIFY(f.window.windowTitle().endsWith(name));
    QVERIFY(f.window.windowTitle().size() > name.size());
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
    // The info box takes no typing, shows its scroll bar, and wraps its lines.
    QPlainTextEdit* info = f.window.infoBox();
    const QString shown = info->toPlainText();
    QTest::keyClicks(info, "x");
    QCOMPARE(info->toPlainText(), shown);
    QVERIFY(info->verticalScrollBar()->isVisible());
    QCOMPARE(info->horizontalScrollBar()->maximum(), 0);
}

void TestWindow::windowIconIsItsPictures()
{
    // The icon is stored as plain pixels beside the PNG pictures; a picture changed without
    // writing the pixels again (resources/make_icons.py writes both) shows here.
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    for (const QSize& size : icon.availableSizes()) {
        const QImage picture(QString(TARVELLO_ICON_DIR "/%1-%2.png")
                                 .arg(QGuiApplication::desktopFileName())
                                 .arg(size.width()));
        QVERIFY2(!picture.isNull(), qPrintable(QString::number(size.width())));
        QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    // Sizes between and beyond the stored ones, as a desktop at another scale asks for them.
    QCOMPARE(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20));
    QCOMPARE(icon.pixmap(QSize(512, 512)).size(), QSize(64, 64));
}

void TestWindow::runtimeErrorIsReported()
{
    Fixture f;
    f.form.Option1.onClick([](Integer index) {
        throw RuntimeError(error::NoSuchArrayElement,
            "Control array element '" + std::to_string(index) + "' doesn't exist");
    });
    QSignalSpy errors(&f.window, &TarvelloWindow::runtimeError);
    f.clickKind(3);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors[0][0].toInt(), 340);
    QCOMPARE(errors[0][1].toString(), "Control array element '3' doesn't exist");
}

void TestWindow::runtimeErrorEndsTheProgram()
{
    Fixture f;
    QString title, text;
    // The second call runs in the message box's own event loop, the box shown.
    QTimer::singleShot(0, &f.window, [&f] { reportRuntimeError(&f.window, 6, "Overflow"); });
    QTimer::singleShot(0, &f.window, [&title, &text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    QTimer::singleShot(5000, &f.window, [] { QCoreApplication::exit(99); }); // no message box came
    QCOMPARE(QApplication::exec(), 1);
    QCOMPARE(title, "Tarvello");
    QCOMPARE(text, "Run-time error '6':\n\nOverflow");
}

#ifdef Q_OS_WIN
// A screen reader may still hold the element of the news when the window goes: it then gets
// an error, not a window that no longer exists, and its last release frees the element.
void TestWindow::newsSourceAfterItsWindow()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("Wine makes windows only on a display: windows_news_source runs this on one");
    const HRESULT notAvailable = static_cast<HRESULT>(0x80040201); // UIA_E_ELEMENTNOTAVAILABLE
    HWND window = CreateWindowExW(
        0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    QVERIFY(window);
    IRawElementProviderSimple* held = access::newsSourceOf(reinterpret_cast<WId>(window));
    QVERIFY(held);
    held->AddRef();
    VARIANT name;
    QCOMPARE(held->GetPropertyValue(UIA_NamePropertyId, &name), S_OK);
    VariantClear(&name);
    DestroyWindow(window);
    QCOMPARE(held->GetPropertyValue(UIA_NamePropertyId, &name), notAvailable);
    IRawElementProviderSimple* host = nullptr;
    QCOMPARE(held->get_HostRawElementProvider(&host), notAvailable);
    QCOMPARE(held->Release(), 0UL);
}
#endif

TARVELLO_WINDOW_TEST_MAIN(TestWindow)

#include "test_window.moc"
