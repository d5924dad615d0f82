#include "invariants.h"
#include "support.h"
#include "test_main.h"

#include <QTest>

using namespace tarvello;
using namespace tarvello::test;

namespace {

const QList<int> allInOrder { 0, 1, 2, 3, 4, 5, 6 };
// The kinds top to bottom on the screen, in alphabetical order of their names, as the
// window's layout table has them (this test links no window).
const QList<int> screenOrder { 2, 6, 3, 4, 1, 5, 0 };

void verifyConsistent(const Form& form)
{
    QCOMPARE(QString::fromStdString(brokenInvariant(form)), QString());
}

} // namespace

class TestExercise : public QObject {
    Q_OBJECT

private slots:
    void picks_data();
    void picks();
    void usedKindChangesOnlySelectedIndex();
    void verdicts_data();
    void verdicts();
    void takeBacks_data();
    void takeBacks();
    void rePickJudgesAgain_data();
    void rePickJudgesAgain();
    void nestedClickChangesNothing();
    void otherMembersAreIgnored();
    void startingOver_data();
    void startingOver();
};

void TestExercise::picks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("answer");
    QTest::addColumn<QString>("info");
    QTest::addColumn<int>("selectedIndex");

    QTest::newRow("first_pick_bermuda")
        << QList<int> { 2 } << QList<int> { 2 } << descriptions[2] << 2;
    QTest::newRow("rows_follow_picking_order")
        << QList<int> { 6, 0 } << QList<int> { 6, 0 } << descriptions[0] << 0;
    QTest::newRow("used_kind_click_ignored")
        << QList<int> { 2, 6, 2 } << QList<int> { 2, 6 } << descriptions[6] << 2;
    QTest::newRow("six_picks_no_verdict")
        << QList<int> { 0, 1, 2, 3, 4, 5 } << QList<int> { 0, 1, 2, 3, 4, 5 } << descriptions[5]
        << 5;
    QTest::newRow("six_picks_breeches_last")
        << QList<int> { 5, 4, 3, 2, 1, 6 } << QList<int> { 5, 4, 3, 2, 1, 6 } << descriptions[6]
        << 6;
    QTest::newRow("click_after_verdict_ignored")
        << QList<int> { 0, 1, 2, 3, 4, 5, 6, 3 } << allInOrder << correct << 3;
}

void TestExercise::picks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, answer);
    QFETCH(QString, info);
    QFETCH(int, selectedIndex);

    Tarvello form;
    pick(form, clicks);

    QCOMPARE(rows(form.List1(0)), namesOf(answer));
    QCOMPARE(qs(form.Text1(0).Text()), info);
    QCOMPARE(form.SelectedIndex, selectedIndex);
    verifyConsistent(form);
}

void TestExercise::usedKindChangesOnlySelectedIndex()
{
    for (const QList<int>& before : { QList<int> { 2, 6 }, allInOrder }) {
        Tarvello form;
        pick(form, before);
        Snapshot expected = snapshot(form);
        form.Option1(2).userClick();
        expected.selectedIndex = 2;
        expected.values = { false, false, true, false, false, false, false };
        QCOMPARE(snapshot(form), expected);
    }
}

void TestExercise::verdicts_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("shortest_to_longest") << allInOrder << correct;
    QTest::newRow("screen_order") << screenOrder << wrong;
    QTest::newRow("longest_to_shortest") << QList<int> { 6, 5, 4, 3, 2, 1, 0 } << wrong;
    QTest::newRow("first_and_last_swapped") << QList<int> { 6, 1, 2, 3, 4, 5, 0 } << wrong;
    for (int i = 0; i < 6; ++i) {
        QList<int> order = allInOrder;
        order.swapItemsAt(i, i + 1);
        QTest::addRow("neighbours_%d_%d_swapped", i, i + 1) << order << wrong;
    }
}

void TestExercise::verdicts()
{
    QFETCH(QList<int>, order);
    QFETCH(QString, verdict);

    Tarvello form;
    pick(form, order.first(6));
    QCOMPARE(qs(form.Text1(0).Text()), descriptions[order[5]]);
    pick(form, order.last(1));
    QCOMPARE(qs(form.Text1(0).Text()), verdict);
    QCOMPARE(rows(form.List1(0)), namesOf(order));
    verifyConsistent(form);
}

void TestExercise::takeBacks_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("answer");
    QTest::addColumn<QString>("info");

    QTest::newRow("middle_of_three")
        << QList<int> { 2, 6, 3 } << 1 << QList<int> { 2, 3 } << descriptions[3];
    QTest::newRow("first_of_three")
        << QList<int> { 2, 6, 3 } << 0 << QList<int> { 6, 3 } << descriptions[3];
    QTest::newRow("last_of_three")
        << QList<int> { 2, 6, 3 } << 2 << QList<int> { 2, 6 } << descriptions[3];
    QTest::newRow("only_row") << QList<int> { 4 } << 0 << QList<int>() << descriptions[4];
    QTest::newRow("no_row_selected")
        << QList<int> { 1, 2 } << -1 << QList<int> { 1, 2 } << descriptions[2];
    QTest::newRow("after_right_verdict")
        << allInOrder << 3 << QList<int> { 0, 1, 2, 4, 5, 6 } << correct;
    QTest::newRow("after_wrong_verdict") << screenOrder << 6 << screenOrder.first(6) << wrong;
}

void TestExercise::takeBacks()
{
    QFETCH(QList<int>, picks);
    QFETCH(int, row);
    QFETCH(QList<int>, answer);
    QFETCH(QString, info);

    Tarvello form;
    pick(form, picks);
    const int selectedBefore = form.SelectedIndex;
    form.List1(0).userClick(static_cast<Integer>(row));

    QCOMPARE(rows(form.List1(0)), namesOf(answer));
    QCOMPARE(form.List1(0).ListIndex(), -1);
    QCOMPARE(qs(form.Text1(0).Text()), info);
    QCOMPARE(form.SelectedIndex, selectedBefore);
    verifyConsistent(form); // the kind taken back shows its name again
    QVERIFY2(form.Option1(static_cast<Integer>(picks.last())).Value(),
        "the last clicked button stays selected");
}

void TestExercise::rePickJudgesAgain_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("right_then_shorts_last") << allInOrder << 0 << wrong;
    QTest::newRow("right_then_same_place") << allInOrder << 6 << correct;
    QTest::newRow("wrong_then_mended") << QList<int> { 0, 1, 2, 3, 4, 6, 5 } << 5 << correct;
}

void TestExercise::rePickJudgesAgain()
{
    QFETCH(QList<int>, picks);
    QFETCH(int, row);
    QFETCH(QString, verdict);

    Tarvello form;
    pick(form, picks);
    const int kind = picks[row];
    const QString before = qs(form.Text1(0).Text());
    form.List1(0).userClick(static_cast<Integer>(row));
    QCOMPARE(qs(form.Text1(0).Text()), before);

    form.Option1(static_cast<Integer>(kind)).userClick();
    QCOMPARE(rows(form.List1(0)).last(), names[kind]);
    QCOMPARE(qs(form.Text1(0).Text()), verdict);
    verifyConsistent(form);
}

void TestExercise::nestedClickChangesNothing()
{
    // A row that names no kind stays selected through the take-back, so the final
    // "no selection" write changes the selection and raises a second Click inside it.
    Tarvello form;
    pick(form, { 2, 6 });
    form.List1(0).AddItem(u"клин");
    QList<int> seen;
    form.List1.onClick([&](Integer index) { seen << index << form.List1(0).ListIndex(); });
    const Snapshot before = snapshot(form);

    form.List1(0).userClick(2);

    QCOMPARE(seen, (QList<int> { 0, -1, 0, -1 }));
    QCOMPARE(snapshot(form), before);

    // A selection written by code is taken back by the handler inside the write.
    seen.clear();
    form.List1(0).ListIndex(0);
    QCOMPARE(seen, (QList<int> { 0, -1 }));
    QCOMPARE(rows(form.List1(0)), (QStringList { names[6], "клин" }));
    QCOMPARE(qs(form.Option1(2).Caption()), names[2]);
}

void TestExercise::otherMembersAreIgnored()
{
    Tarvello form;
    pick(form, { 2, 6, 3 });
    const Snapshot before = snapshot(form);
    form.List1(1).userClick(3);
    form.List1(2).userClick(0);
    form.List1_Click(1);
    form.Command1_Click(1);
    Snapshot after = snapshot(form);
    QVERIFY(after.listIndexes == (std::vector<Integer> { -1, 3, 0 }));
    after.listIndexes = before.listIndexes;
    QCOMPARE(after, before);
}

void TestExercise::startingOver_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<int>("takeBack");
    QTest::addColumn<int>("disabled");

    QTest::newRow("at_start") << QList<int>() << -1 << -1;
    QTest::newRow("after_three_picks") << QList<int> { 2, 6, 3 } << -1 << -1;
    QTest::newRow("after_verdict") << allInOrder << -1 << -1;
    QTest::newRow("after_take_back") << QList<int> { 5, 1, 4 } << 1 << -1;
    QTest::newRow("disabled_button_enabled_again") << QList<int> { 0 } << -1 << 4;
}

void TestExercise::startingOver()
{
    QFETCH(QList<int>, picks);
    QFETCH(int, takeBack);
    QFETCH(int, disabled);

    Tarvello form;
    pick(form, picks);
    if (takeBack >= 0)
        form.List1(0).userClick(static_cast<Integer>(takeBack));
    if (disabled >= 0)
        form.Option1(static_cast<Integer>(disabled)).Enabled(false);
    const int selectedBefore = form.SelectedIndex;

    form.Command1(0).userClick();

    Snapshot expected = snapshot(Tarvello());
    expected.info.clear();
    expected.selectedIndex = selectedBefore;
    QCOMPARE(snapshot(form), expected);

    pick(form, { 3 });
    QCOMPARE(rows(form.List1(0)), QStringList { names[3] });
}

TARVELLO_CORE_TEST_MAIN(TestExercise)
#include "test_exercise.moc"
