#include "support.h"
#include "test_main.h"

#include <QTest>

using namespace tarvello;
using namespace tarvello::test;

class TestFormContents : public QObject {
    Q_OBJECT

private slots:
    void kinds_data();
    void kinds();
    void otherControls();
    void assignmentText();
};

void TestFormContents::kinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const char* const kinds[][2] { { "шорти", "шорти - до седалището;" },
        { "джамайка", "джамайка - до средата на бедрото;" },
        { "бермуди", "бермуди - почти до коляното;" },
        { "гаучо", "гаучо - непосредствено под коляното;" },
        { "голф", "голф - до средата на прасеца;" }, { "капри", "капри - до глезена;" },
        { "брич", "брич дълъг панталон - последен в класацията" } };
    for (int kind = 0; kind < 7; ++kind)
        QTest::addRow("%d_%s", kind, kinds[kind][0])
            << kind << QString(kinds[kind][0]) << QString(kinds[kind][1]);
}

void TestFormContents::kinds()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(QString, description);

    const Form form;
    const auto i = static_cast<Integer>(kind);
    QCOMPARE(qs(form.Option1(i).Caption()), name);
    QVERIFY(!form.Option1(i).Value());
    QVERIFY(form.Option1(i).Enabled());
    QCOMPARE(qs(form.List1(1).List(i)), name);
    QCOMPARE(qs(form.List1(2).List(i)), description);
}

void TestFormContents::otherControls()
{
    const Form form;
    QCOMPARE(form.Option1.Count(), 7); // each of them checked by kinds()
    QCOMPARE(form.List1(1).ListCount(), 7);
    QCOMPARE(form.List1(2).ListCount(), 7);
    QCOMPARE(form.List1(0).ListCount(), 0);
    for (const ListBox& list : form.List1)
        QCOMPARE(list.ListIndex(), -1);
    QCOMPARE(qs(form.Label1(0).Caption()), "Tarvello");
    QCOMPARE(qs(form.Label1(1).Caption()), "по дължина");
    QCOMPARE(qs(form.Frame1.Caption()), "Панталони - по азбучен ред");
    QCOMPARE(qs(form.Command1(0).Caption()), "Чисти");
    QCOMPARE(form.SelectedIndex, 0);
}

void TestFormContents::assignmentText()
{
    const Form form;
    const QString text = qs(form.Text1(0).Text());
    QVERIFY(text.endsWith("\r\n"));
    const QStringList lines = text.chopped(2).split("\r\n");
    QCOMPARE(lines.size(), 9);
    for (const QString& line : lines) {
        QVERIFY2(!line.contains('\r') && !line.contains('\n'), qPrintable(line));
        QVERIFY2(line == line.trimmed() && !line.isEmpty(), qPrintable(line));
    }
    QCOMPARE(lines[0],
        "Думата панталон е с италиански произход и съвременното й значение е връхна дреха.");
    QVERIFY(lines[1].startsWith("Панталонът в началото е стандартно облекло за мъжете"));
    QVERIFY(lines[1].endsWith(
        "Етикетът забранява употребата на определен вид панталон в конкретна ситуация."));
    QCOMPARE(lines[3], "Тема на проекта: Tarvello.");
    QVERIFY(lines[4].contains(
        "бермуди, гаучо, голф, джамайка, дълги, капри, шорти. Радиобутоните са наредени азбучно."));
    QCOMPARE(lines[5],
        "Всяко събитие On-Click върху активен радиобутон, го забранява и добавя името му в отделно "
        "списъчно поле.");
    QCOMPARE(lines[8], "Съберете допълнително информация за видове панталон.");
}

TARVELLO_CORE_TEST_MAIN(TestFormContents)
#include "test_form_contents.moc"
