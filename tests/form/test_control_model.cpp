#include "form/control_model.h"
#include "support.h"
#include "test_main.h"

#include <QTest>

#include <functional>
#include <optional>
#include <vector>

using namespace tarvello;
using namespace tarvello::test;

namespace {

enum class ListOp { Add, Remove, Clear };

using FormAction = std::function<void(Form&)>;

} // namespace

class TestControlModel : public QObject {
    Q_OBJECT

private slots:
    void listRows_data();
    void listRows();
    void failingOperationChangesNothing_data();
    void failingOperationChangesNothing();
    void overflowLeavesCounter();
    void optionGroupIsExclusive();
    void userClicks_data();
    void userClicks();
    void listIndexWriteRaisesClickInsideTheWrite();
    void changesAreReported_data();
    void changesAreReported();
    void observerSeesTheStateAfterTheChange();
    void observationEndsWithItsHandle();
    void clickHandlersRunInOrder();
};

void TestControlModel::listRows_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("selected");
    QTest::addColumn<ListOp>("op");
    QTest::addColumn<int>("argument");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selectedAfter");

    const QStringList abc { "а", "б", "в" };
    QTest::newRow("add_to_empty") << QStringList() << -1 << ListOp::Add << 0 << QStringList { "г" }
                                  << -1;
    QTest::newRow("add_goes_last")
        << abc << 1 << ListOp::Add << 0 << QStringList { "а", "б", "в", "г" } << 1;
    QTest::newRow("remove_first_moves_rest_up")
        << abc << -1 << ListOp::Remove << 0 << QStringList { "б", "в" } << -1;
    QTest::newRow("remove_last") << abc << -1 << ListOp::Remove << 2 << QStringList { "а", "б" }
                                 << -1;
    QTest::newRow("remove_selected_leaves_none")
        << abc << 1 << ListOp::Remove << 1 << QStringList { "а", "в" } << -1;
    QTest::newRow("remove_above_selection_moves_it_up")
        << abc << 2 << ListOp::Remove << 0 << QStringList { "б", "в" } << 1;
    QTest::newRow("remove_below_selection_keeps_it")
        << abc << 0 << ListOp::Remove << 2 << QStringList { "а", "б" } << 0;
    QTest::newRow("clear_removes_all_and_selection")
        << abc << 2 << ListOp::Clear << 0 << QStringList() << -1;
    QTest::newRow("clear_empty") << QStringList() << -1 << ListOp::Clear << 0 << QStringList()
                                 << -1;
}

void TestControlModel::listRows()
{
    QFETCH(QStringList, before);
    QFETCH(int, selected);
    QFETCH(ListOp, op);
    QFETCH(int, argument);
    QFETCH(QStringList, after);
    QFETCH(int, selectedAfter);

    ControlArray<ListBox> lists(1);
    ListBox& list = lists(0);
    for (const QString& row : before)
        list.AddItem(row.toStdU16String());
    list.ListIndex(static_cast<Integer>(selected));
    int clicks = 0;
    lists.onClick([&](Integer) { ++clicks; });

    switch (op) {
    case ListOp::Add:
        list.AddItem(u"г");
        break;
    case ListOp::Remove:
        list.RemoveItem(static_cast<Integer>(argument));
        break;
    case ListOp::Clear:
        list.Clear();
        break;
    }

    QCOMPARE(rows(list), after);
    QCOMPARE(list.ListCount(), after.size());
    QCOMPARE(list.ListIndex(), selectedAfter);
    QCOMPARE(qs(list.List(-1)), QString());
    QCOMPARE(clicks, 0); // only a selection written by code or the user raises Click
}

void TestControlModel::failingOperationChangesNothing_data()
{
    QTest::addColumn<FormAction>("prepare");
    QTest::addColumn<FormAction>("action");
    QTest::addColumn<int>("number");

    const FormAction nothing = [](Form&) {};
    const FormAction twoAnswers = [](Form& f) {
        f.List1(0).AddItem(u"шорти");
        f.List1(0).AddItem(u"брич");
        f.List1(0).ListIndex(1);
    };
    const FormAction fullList = [](Form& f) {
        for (int i = 0; i < ListBox::maxRows; ++i)
            f.List1(0).AddItem(u"ред");
    };

    QTest::newRow("kind_button_7")
        << nothing << FormAction([](Form& f) { f.Option1(7).Caption(u"x"); }) << 340;
    QTest::newRow("kind_button_-1")
        << nothing << FormAction([](Form& f) { f.Option1(-1).Value(true); }) << 340;
    QTest::newRow("list_3") << nothing << FormAction([](Form& f) { f.List1(3).Clear(); }) << 340;
    QTest::newRow("command_1") << nothing << FormAction([](Form& f) { f.Command1(1).userClick(); })
                               << 340;
    QTest::newRow("text_1") << nothing << FormAction([](Form& f) { f.Text1(1).Text(u""); }) << 340;
    QTest::newRow("read_row_7_of_key")
        << nothing << FormAction([](Form& f) { (void)f.List1(1).List(7); }) << 381;
    QTest::newRow("read_row_-2") << twoAnswers
                                 << FormAction([](Form& f) { (void)f.List1(0).List(-2); }) << 381;
    QTest::newRow("read_row_0_of_empty")
        << nothing << FormAction([](Form& f) { (void)f.List1(0).List(0); }) << 381;
    QTest::newRow("select_past_end")
        << twoAnswers << FormAction([](Form& f) { f.List1(0).ListIndex(2); }) << 380;
    QTest::newRow("select_-2") << twoAnswers
                               << FormAction([](Form& f) { f.List1(0).ListIndex(-2); }) << 380;
    QTest::newRow("user_clicks_missing_row")
        << twoAnswers << FormAction([](Form& f) { f.List1(0).userClick(2); }) << 380;
    QTest::newRow("remove_from_empty")
        << nothing << FormAction([](Form& f) { f.List1(0).RemoveItem(0); }) << 5;
    QTest::newRow("remove_-1") << twoAnswers
                               << FormAction([](Form& f) { f.List1(0).RemoveItem(-1); }) << 5;
    QTest::newRow("remove_past_end")
        << twoAnswers << FormAction([](Form& f) { f.List1(0).RemoveItem(2); }) << 5;
    QTest::newRow("add_to_full_list")
        << fullList << FormAction([](Form& f) { f.List1(0).AddItem(u"още"); }) << 7;
}

void TestControlModel::failingOperationChangesNothing()
{
    QFETCH(FormAction, prepare);
    QFETCH(FormAction, action);
    QFETCH(int, number);

    Form form;
    prepare(form);
    int clicks = 0;
    int changes = 0;
    form.List1.onClick([&](Integer) { ++clicks; });
    form.Option1.onClick([&](Integer) { ++clicks; });
    std::vector<Observation> watching;
    for (ListBox& list : form.List1)
        watching.push_back(list.observe([&](const Change&) { ++changes; }));
    const Snapshot before = snapshot(form);

    try {
        action(form);
        QFAIL("no run-time error was raised");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), number);
        QVERIFY(*e.what() != '\0');
    }
    QCOMPARE(snapshot(form), before);
    QCOMPARE(clicks, 0);
    QCOMPARE(changes, 0);
}

void TestControlModel::overflowLeavesCounter()
{
    Integer i = 32766;
    increment(i);
    QCOMPARE(i, 32767);
    try {
        increment(i);
        QFAIL("no overflow raised");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), error::Overflow);
    }
    QCOMPARE(i, 32767);
}

void TestControlModel::optionGroupIsExclusive()
{
    ControlArray<OptionButton> group(7);
    ControlArray<OptionButton> otherGroup(2);
    otherGroup(0).Value(true);
    group(3).Value(true);
    group(5).Value(true);
    for (Integer i = 0; i < 7; ++i)
        QCOMPARE(group(i).Value(), i == 5);
    QVERIFY2(otherGroup(0).Value(), "another group must keep its selection");
    group(5).Value(false);
    for (const OptionButton& button : group)
        QVERIFY(!button.Value());
    group(2).Caption(u"");
    QVERIFY2(group(2).Enabled(), "an empty caption leaves the button enabled");

    // Controls outside any array have no group and no click handlers.
    OptionButton alone;
    alone.Value(true);
    alone.userClick();
    QVERIFY(alone.Value());
    QVERIFY2(group(5).Value() == false && otherGroup(0).Value(), "a lone button touches no group");
    ListBox list;
    list.AddItem(u"а");
    list.ListIndex(0);
    list.userClick(-1);
    QCOMPARE(list.ListIndex(), -1);
}

void TestControlModel::userClicks_data()
{
    QTest::addColumn<int>("alreadySelected");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QList<int>>("clicksSeen");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("first_click") << -1 << true << 4 << QList<int> { 4 } << 4;
    QTest::newRow("moves_selection") << 1 << true << 4 << QList<int> { 4 } << 4;
    QTest::newRow("selected_again_still_clicks") << 4 << true << 4 << QList<int> { 4 } << 4;
    QTest::newRow("empty_caption_still_clicks") << -1 << true << 0 << QList<int> { 0 } << 0;
    QTest::newRow("disabled_ignores") << 1 << false << 4 << QList<int>() << 1;
}

void TestControlModel::userClicks()
{
    QFETCH(int, alreadySelected);
    QFETCH(bool, enabled);
    QFETCH(int, clicked);
    QFETCH(QList<int>, clicksSeen);
    QFETCH(int, selectedAfter);

    ControlArray<OptionButton> group(7);
    group(0).Caption(u"");
    if (alreadySelected >= 0)
        group(static_cast<Integer>(alreadySelected)).Value(true);
    group(static_cast<Integer>(clicked)).Enabled(enabled);
    QList<int> seen;
    group.onClick([&](Integer index) {
        QVERIFY2(group(index).Value(), "the button is selected before Click is raised");
        seen << index;
    });

    group(static_cast<Integer>(clicked)).userClick();

    QCOMPARE(seen, clicksSeen);
    for (Integer i = 0; i < 7; ++i)
        QCOMPARE(group(i).Value(), i == selectedAfter);
}

void TestControlModel::listIndexWriteRaisesClickInsideTheWrite()
{
    ControlArray<ListBox> lists(2);
    ListBox& list = lists(1);
    list.AddItem(u"а");
    list.AddItem(u"б");
    bool writing = false;
    QList<int> seen; // (member, ListIndex seen) pairs, flattened
    lists.onClick([&](Integer index) {
        QVERIFY2(writing, "Click must arrive inside the write");
        seen << index << lists(index).ListIndex();
    });

    writing = true;
    list.ListIndex(1);
    list.ListIndex(1); // no change, no Click
    list.ListIndex(-1);
    writing = false;
    QCOMPARE(seen, (QList<int> { 1, 1, 1, -1 }));

    seen.clear();
    lists.onClick([&](Integer) { seen << 99; });
    writing = true;
    list.userClick(-1); // a click on no row: still a Click, with nothing selected
    list.userClick(0);
    QCOMPARE(seen, (QList<int> { 1, -1, 99, 1, 0, 99 }));
}

void TestControlModel::changesAreReported_data()
{
    QTest::addColumn<FormAction>("action");
    QTest::addColumn<QList<int>>(
        "expected"); // triples: member of Option1 (or 10 + List1 member, 20 text), kind, row

    using K = Change::Kind;
    auto k = [](K kind) { return static_cast<int>(kind); };
    QTest::newRow("caption") << FormAction([](Form& f) { f.Option1(3).Caption(u""); })
                             << QList<int> { 3, k(K::Caption), -1 };
    QTest::newRow("same_caption_is_no_change")
        << FormAction([](Form& f) { f.Option1(3).Caption(f.List1(1).List(3)); }) << QList<int>();
    QTest::newRow("value_moves") << FormAction([](Form& f) {
        f.Option1(1).Value(true);
        f.Option1(4).Value(true);
    }) << QList<int> { 1, k(K::Value), -1, 1, k(K::Value), -1, 4, k(K::Value), -1 };
    QTest::newRow("enabled") << FormAction([](Form& f) { f.Option1(6).Enabled(false); })
                             << QList<int> { 6, k(K::Enabled), -1 };
    QTest::newRow("row_added") << FormAction([](Form& f) { f.List1(0).AddItem(u"брич"); })
                               << QList<int> { 10, k(K::RowAdded), 0 };
    QTest::newRow("selected_row_removed")
        << FormAction([](Form& f) {
               f.List1(0).AddItem(u"брич");
               f.List1(0).AddItem(u"шорти");
               f.List1(0).userClick(1);
               f.List1(0).RemoveItem(1);
           })
        << QList<int> { 10, k(K::RowAdded), 0, 10, k(K::RowAdded), 1, 10, k(K::ListIndex), -1, 10,
               k(K::RowRemoved), 1, 10, k(K::ListIndex), -1 };
    QTest::newRow("cleared") << FormAction([](Form& f) { f.List1(2).Clear(); })
                             << QList<int> { 12, k(K::RowsCleared), -1 };
    QTest::newRow("text") << FormAction([](Form& f) { f.Text1(0).Text(u""); })
                          << QList<int> { 20, k(K::Text), -1 };
}

void TestControlModel::changesAreReported()
{
    QFETCH(FormAction, action);
    QFETCH(QList<int>, expected);

    Form form;
    QList<int> seen;
    auto record = [&seen](int who) {
        return [&seen, who](const Change& c) { seen << who << static_cast<int>(c.kind) << c.row; };
    };
    std::vector<Observation> watching;
    for (OptionButton& button : form.Option1)
        watching.push_back(button.observe(record(button.Index())));
    for (ListBox& list : form.List1)
        watching.push_back(list.observe(record(10 + list.Index())));
    watching.push_back(form.Text1(0).observe(record(20)));

    action(form);
    QCOMPARE(seen, expected);
}

void TestControlModel::observerSeesTheStateAfterTheChange()
{
    ControlArray<ListBox> lists(1);
    ListBox& list = lists(0);
    for (auto text : { u"а", u"б", u"в" })
        list.AddItem(text);
    list.ListIndex(2);
    QStringList seen;
    const Observation watching = list.observe([&](const Change& c) {
        seen << QString("%1:%2:%3").arg(int(c.kind)).arg(list.ListCount()).arg(list.ListIndex());
    });
    list.RemoveItem(0);
    const int removed = int(Change::Kind::RowRemoved);
    const int index = int(Change::Kind::ListIndex);
    QCOMPARE(seen, (QStringList { QString("%1:2:1").arg(removed), QString("%1:2:1").arg(index) }));
}

void TestControlModel::observationEndsWithItsHandle()
{
    // A window that goes must not be called again; one that replaced it must stay called.
    ControlArray<TextBox> boxes(1);
    TextBox& box = boxes(0);
    int first = 0, second = 0;
    std::optional<Observation> older = box.observe([&](const Change&) { ++first; });
    box.Text(u"а");
    Observation newer = box.observe([&](const Change&) { ++second; });
    older.reset(); // replaced already: must leave the newer observer alone
    box.Text(u"б");
    Observation moved = std::move(newer);
    newer.end(); // moved from: holds nothing
    box.Text(u"в");
    moved.end();
    box.Text(u"г");
    QCOMPARE(first, 1);
    QCOMPARE(second, 2);
}

void TestControlModel::clickHandlersRunInOrder()
{
    ControlArray<CommandButton> buttons(1);
    QList<int> order;
    buttons.onClick([&](Integer i) { order << 1 << i; });
    buttons.onClick([&](Integer i) { order << 2 << i; });
    buttons(0).userClick();
    QCOMPARE(order, (QList<int> { 1, 0, 2, 0 }));
}

TARVELLO_CORE_TEST_MAIN(TestControlModel)
#include "test_control_model.moc"
