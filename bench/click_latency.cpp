// Click latency in process on the offscreen platform: from a mouse click on a kind button,
// on an answer row or on the clear button to the repainted window, over many clicks of a
// played-through exercise. Prints p50, p99 and the maximum for each kind of click.
//   QT_QPA_PLATFORM=offscreen click_latency [CLICKS]

#include "application.h"
#include "shown_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

using namespace tarvello;
using tarvello::test::ShownWindow;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;

    ShownWindow shown;
    TarvelloWindow& window = shown.window;
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    std::mt19937 random(20261208);
    std::map<std::string, std::vector<double>> latencies;
    for (int i = 0; i < clicks; ++i) {
        const int rows = window.answerList()->count();
        const int choice = std::uniform_int_distribution<int>(0, 19)(random);
        std::string what;
        QWidget* target = nullptr;
        QPoint where;
        if (choice == 0 || (rows == 7 && choice < 4)) {
            what = "clear button";
            target = window.clearButton();
            where = target->rect().center();
        } else if (rows > 0 && choice < 7) {
            what = "answer row";
            target = window.answerList()->viewport();
            const int row = std::uniform_int_distribution<int>(0, rows - 1)(random);
            where = window.answerList()->visualItemRect(window.answerList()->item(row)).center();
        } else {
            what = "kind button";
            target = window.kindButton(
                std::uniform_int_distribution<int>(0, contents::kindCount - 1)(random));
            where = target->rect().center();
        }
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(target, Qt::LeftButton, {}, where);
        QCoreApplication::processEvents(); // the posted repaint: paint and flush
        const auto end = std::chrono::steady_clock::now();
        latencies[what].push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }

    std::printf("%d clicks, in process, offscreen platform\n", clicks);
    std::printf("%-14s %8s %10s %10s %10s\n", "click on", "count", "p50 us", "p99 us", "max us");
    std::vector<double> all;
    auto report = [](const char* name, std::vector<double> values) {
        std::sort(values.begin(), values.end());
        auto at = [&values](double q) {
            return values[static_cast<std::size_t>(q * (values.size() - 1))];
        };
        std::printf("%-14s %8zu %10.1f %10.1f %10.1f\n", name, values.size(), at(0.5), at(0.99),
            values.back());
    };
    for (const auto& [name, values] : latencies) {
        report(name.c_str(), values);
        all.insert(all.end(), values.begin(), values.end());
    }
    report("all", all);
    return 0;
}
