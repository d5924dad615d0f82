#include "invariants.h"
#include "support.h"
#include "test_main.h"

#include <QTest>

#include <random>

using namespace tarvello;
using namespace tarvello::test;

class TestRandomPlay : public QObject {
    Q_OBJECT

private slots:
    void invariantsHoldForRandomClicks_data();
    void invariantsHoldForRandomClicks();
};

void TestRandomPlay::invariantsHoldForRandomClicks_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    QTest::newRow("seed_20261208") << quint32(20261208) << 100000;
    QTest::newRow("seed_7") << quint32(7) << 20000;
}

void TestRandomPlay::invariantsHoldForRandomClicks()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);

    std::mt19937 random(seed);
    Tarvello form;
    InfoOracle oracle(form);
    int verdictsSeen = 0;

    for (int step = 0; step < events; ++step) {
        const QString where = QString("seed %1, event %2").arg(seed).arg(step);
        const auto choice = std::uniform_int_distribution<int>(0, 15)(random);
        try {
            if (choice < 9) {
                form.Option1(static_cast<Integer>(choice % 7)).userClick();
            } else if (choice < 15) {
                const int rowCount = form.List1(0).ListCount();
                form.List1(0).userClick(static_cast<Integer>(
                    std::uniform_int_distribution<int>(-1, rowCount - 1)(random)));
            } else {
                form.Command1(0).userClick();
            }
        } catch (const RuntimeError& e) {
            QFAIL(qPrintable(
                QString("%1: run-time error %2 %3").arg(where).arg(e.number()).arg(e.what())));
        }
        const std::string broken = oracle.check(form, choice == 15);
        QVERIFY2(broken.empty(), qPrintable(where + ": " + QString::fromStdString(broken)));
        if (form.Text1(0).Text() == verdict::correct || form.Text1(0).Text() == verdict::wrong)
            ++verdictsSeen;
    }
    QVERIFY2(verdictsSeen > 0, "the random clicks never reached a verdict");
}

TARVELLO_CORE_TEST_MAIN(TestRandomPlay)
#include "test_random_play.moc"
