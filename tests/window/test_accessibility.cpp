#include "mirror.h"
#include "runtime_error.h"
#include "shown_window.h"
#include "support.h"
#include "window_test_main.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <optional>

using namespace tarvello;
using namespace tarvello::test;

namespace {

bool isBulgarian(const QString& text)
{
    static const QRegularExpression cyrillic("\\p{Cyrillic}");
    return text.contains(cyrillic) && !text.contains(QRegularExpression("[A-Za-z]{2}"));
}

// The elements of `role` below `node`; with no role, those that have no name.
void collect(QAccessibleInterface* node, std::optional<QAccessible::Role> role,
    QList<QAccessibleInterface*>& out)
{
    if (role ? node->role() == *role : node->text(QAccessible::Name).isEmpty())
        out << node;
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), role, out);
}

QList<QAccessibleInterface*> byRole(QWidget* window, QAccessible::Role role)
{
    QList<QAccessibleInterface*> found;
    collect(QAccessible::queryAccessibleInterface(window), role, found);
    return found;
}

QStringList accessibleNames(const QList<QAccessibleInterface*>& nodes)
{
    QStringList result;
    for (QAccessibleInterface* node : nodes)
        result << node->text(QAccessible::Name);
    return result;
}

// The news a screen reader is given: the name of each notification as it shows.
QStringList notifications;

void recordEvent(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::ObjectShow)
        return;
    QAccessibleInterface* shown = event->accessibleInterface();
    if (shown && shown->role() == QAccessible::Notification)
        notifications << shown->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void kindButtonsReadTheirState_data();
    void kindButtonsReadTheirState();
    void answerRowsAndVerdictAreExposed();
    void everyControlHasABulgarianName();
    void everyElementIsNamed();
    void newInfoIsAnnounced();
    void qtTextsAreBulgarian();
};

void TestAccessibility::kindButtonsReadTheirState_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::newRow("at_start") << QList<int>();
    QTest::newRow("two_used") << QList<int> { 2, 0 }; // the top and bottom buttons
}

void TestAccessibility::kindButtonsReadTheirState()
{
    QFETCH(QList<int>, picks);

    ShownWindow shown;
    auto& [form, window] = shown;
    pick(form, picks);
    QStringList expected; // top to bottom
    for (int kind : screenOrder)
        expected << (picks.contains(kind) ? "Използван: " : "") + names[kind];
    if (picks.isEmpty()) // in alphabetical order, which is the order of their letters' codes
        QVERIFY(std::is_sorted(expected.begin(), expected.end()));

    QList<QAccessibleInterface*> buttons = byRole(&window, QAccessible::RadioButton);
    QCOMPARE(buttons.size(), 7);
    std::sort(buttons.begin(), buttons.end(), [](QAccessibleInterface* a, QAccessibleInterface* b) {
        return a->rect().top() < b->rect().top();
    });
    QCOMPARE(accessibleNames(buttons), expected);
    for (QAccessibleInterface* button : buttons)
        QVERIFY(!button->text(QAccessible::Description).isEmpty());
    if (!picks.isEmpty())
        QVERIFY(buttons.last()->state().checked); // шорти, picked last
}

void TestAccessibility::answerRowsAndVerdictAreExposed()
{
    ShownWindow shown;
    auto& [form, window] = shown;
    pick(form, { 0, 1, 2, 3, 4, 5, 6 });

    const QList<QAccessibleInterface*> lists = byRole(&window, QAccessible::List);
    QCOMPARE(lists.size(), 1);
    QCOMPARE(lists[0]->text(QAccessible::Name), "Подредени по дължина");
    QCOMPARE(accessibleNames(byRole(&window, QAccessible::ListItem)), rows(form.List1(0)));

    QAccessibleInterface* info = QAccessible::queryAccessibleInterface(window.infoBox());
    QVERIFY(info && info->textInterface());
    QCOMPARE(info->text(QAccessible::Name), "Информация");
    QAccessibleTextInterface* text = info->textInterface();
    QCOMPARE(text->text(0, text->characterCount()), correct);
}

void TestAccessibility::everyControlHasABulgarianName()
{
    ShownWindow shown;
    auto& [form, window] = shown;
    pick(form, { 4 });
    const QList<QWidget*> widgets { window.answerList(), window.infoBox(), window.clearButton(),
        window.kindFrame(), window.kindButton(4), window.answerHeading() };
    for (QWidget* widget : widgets) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(isBulgarian(node->text(QAccessible::Name)), widget->metaObject()->className());
    }
}

void TestAccessibility::everyElementIsNamed()
{
    ShownWindow shown;
    pick(shown.form, { 2, 6 }); // rows in the list
    QList<QAccessibleInterface*> nameless;
    collect(QAccessible::queryAccessibleInterface(&shown.window), {}, nameless);
    QCOMPARE(nameless.size(), 0);
}

void TestAccessibility::newInfoIsAnnounced()
{
    QTRY_VERIFY2(
        QAccessible::isActive(), "no assistive technology bus: run under the test wrapper");
    notifications.clear();
    QAccessible::installUpdateHandler(recordEvent);
    ShownWindow shown; // the assignment at start is no news
    auto& [form, window] = shown;
    QTest::mouseClick(window.kindButton(5), Qt::LeftButton);
    window.answerList()->setFocus();
    QTest::keyClick(window.answerList(), Qt::Key_Return); // takes back капри
    QTest::mouseClick(window.kindButton(1), Qt::LeftButton);
    QTest::mouseClick(window.kindButton(1), Qt::LeftButton); // used now: nothing is picked
    QTest::mouseClick(window.clearButton(), Qt::LeftButton); // empties the info box: no news
    QAccessible::installUpdateHandler(nullptr);

    QCOMPARE(notifications,
        (QStringList { descriptions[5], "Върнат: " + names[5], descriptions[1],
            access::usedNotPicked(names[1]), access::cleared }));
    QVERIFY(window.announcement()->geometry().isEmpty());
}

void TestAccessibility::qtTextsAreBulgarian()
{
    ShownWindow shown;
    std::unique_ptr<QMenu> menu(shown.window.infoBox()->createStandardContextMenu());
    int checked = 0;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString label = action->text().section('\t', 0, 0).remove('&'); // not the shortcut
        QVERIFY2(isBulgarian(label), qPrintable(action->text()));
        ++checked;
    }
    QVERIFY(checked >= 2);

    QMessageBox box(QMessageBox::Critical, "Tarvello",
        QString::fromStdString(runtimeErrorMessage(6, "Overflow")), QMessageBox::Ok);
    QVERIFY2(isBulgarian(box.button(QMessageBox::Ok)->text().remove('&')),
        qPrintable(box.button(QMessageBox::Ok)->text()));
}

TARVELLO_WINDOW_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
