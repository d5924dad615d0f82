#include "support.h"

#include <QTest>

#include <random>

using namespace tarvello;
using namespace tarvello::test;

namespace {

const QStringList verdicts { "Наредбата, по отношение дължина на панталона, е правилна.",
    "Грешна наредба!" };

} // namespace

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
    QStringList names = rows(form.List1(1));
    QStringList descriptions = rows(form.List1(2));
    // What the info box must show follows from the clicks alone, worked out here apart from
    // the handlers.
    QString expectedInfo = qs(form.Text1(0).Text());
    int verdictsSeen = 0;

    for (int step = 0; step < events; ++step) {
        const QString where = QString("seed %1, event %2").arg(seed).arg(step);
        const QStringList answersBefore = rows(form.List1(0));
        const auto choice = std::uniform_int_distribution<int>(0, 15)(random);
        try {
            if (choice < 9) {
                const auto kind = static_cast<Integer>(choice % 7);
                form.Option1(kind).userClick();
                if (!answersBefore.contains(names[kind])) {
                    const QStringList answers = answersBefore + QStringList { names[kind] };
                    expectedInfo = answers.size() < 7 ? descriptions[kind]
                                                      : verdicts[answers == names ? 0 : 1];
                }
            } else if (choice < 15) {
                const auto row = static_cast<Integer>(
                    std::uniform_int_distribution<int>(-1, int(answersBefore.size()) - 1)(random));
                form.List1(0).userClick(row);
            } else {
                form.Command1(0).userClick();
                expectedInfo.clear();
            }
        } catch (const RuntimeError& e) {
            QFAIL(qPrintable(
                where + ": run-time error " + QString::number(e.number()) + " " + e.what()));
        }

        const QStringList answers = rows(form.List1(0));
        int used = 0;
        for (int kind = 0; kind < 7; ++kind) {
            const QString caption = qs(form.Option1(static_cast<Integer>(kind)).Caption());
            if (caption.isEmpty())
                ++used;
            else
                QVERIFY2(caption == names[kind], qPrintable(where + ": caption " + caption));
        }
        QVERIFY2(
            used == answers.size(), qPrintable(where + ": used kinds differ from answer rows"));
        QVERIFY2(QSet<QString>(answers.begin(), answers.end()).size() == answers.size(),
            qPrintable(where + ": an answer row twice"));
        for (const QString& answer : answers)
            QVERIFY2(names.contains(answer), qPrintable(where + ": not a kind: " + answer));
        QVERIFY2(form.List1(0).ListIndex() == -1, qPrintable(where + ": a row stays selected"));
        const QString info = qs(form.Text1(0).Text());
        QVERIFY2(info == expectedInfo, qPrintable(where + ": info box shows " + info));
        if (verdicts.contains(info))
            ++verdictsSeen;
    }
    QVERIFY2(verdictsSeen > 0, "the random clicks never reached a verdict");
}

QTEST_GUILESS_MAIN(TestRandomPlay)
#include "test_random_play.moc"
