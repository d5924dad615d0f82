#include "invariants.h"
#include "mirror.h"
#include "shown_window.h"
#include "window_test_main.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <deque>
#include <random>

using namespace tarvello;
using namespace tarvello::test;

// Random real input on the whole window: mouse clicks anywhere and the keys a pupil uses.
// After every event the window must mirror the model, the model keep its invariants, and no
// run-time error have come up.
class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void randomInput_data();
    void randomInput();
};

void TestMonkey::randomInput_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    QTest::newRow("seed_20261208") << quint32(20261208) << 20000;
    QTest::newRow("seed_99_keys_and_clicks") << quint32(99) << 5000;
}

void TestMonkey::randomInput()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);

    ShownWindow shown;
    auto& [form, window] = shown;
    bool cleared = false;
    form.Command1.onClick([&cleared](Integer) { cleared = true; });
    InfoOracle oracle(form);
    QSignalSpy runtimeErrors(&window, &TarvelloWindow::runtimeError);

    std::mt19937 random(seed);
    auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const QList<Qt::Key> keys { Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down,
        Qt::Key_Left, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return };
    std::deque<QString> log;
    int picks = 0;

    for (int step = 0; step < events; ++step) {
        cleared = false;
        const int rowsBefore = form.List1(0).ListCount();
        QString event;
        if (uniform(0, 99) < 55) {
            const QPoint point(uniform(0, window.width() - 1), uniform(0, window.height() - 1));
            QWidget* target = window.childAt(point);
            if (!target)
                target = &window;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, point));
            event = QString("click (%1, %2) on %3")
                        .arg(point.x())
                        .arg(point.y())
                        .arg(target->metaObject()->className());
        } else {
            const Qt::Key key = keys[uniform(0, int(keys.size()) - 1)];
            QWidget* target = QApplication::focusWidget();
            if (!target)
                target = &window;
            QTest::keyClick(target, key);
            event = QKeySequence(key).toString() + " on " + target->metaObject()->className();
        }
        if (form.List1(0).ListCount() > rowsBefore)
            ++picks;
        log.push_back(QString("%1: %2").arg(step).arg(event));
        if (log.size() > 25)
            log.pop_front();

        QString wrong = QString::fromStdString(oracle.check(form, cleared));
        if (wrong.isEmpty())
            wrong = mirrorMismatch(form, window);
        if (wrong.isEmpty() && !runtimeErrors.isEmpty())
            wrong = "run-time error: " + runtimeErrors.first().at(1).toString();
        if (!wrong.isEmpty()) {
            QStringList tail(log.begin(), log.end());
            QFAIL(qPrintable(QString("seed %1, event %2: %3\nlast events:\n%4")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(wrong, tail.join('\n'))));
        }
    }
    QVERIFY2(
        picks > 100, qPrintable(QString("only %1 picks: the input misses the buttons").arg(picks)));
}

TARVELLO_WINDOW_TEST_MAIN(TestMonkey)
#include "test_monkey.moc"
