// Writes PNG pictures of the window: at start, after three picks and with each verdict.
//   tarvello-screenshots DIRECTORY
// Run with QT_QPA_PLATFORM=offscreen to need no display.

#include "application.h"
#include "shown_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <array>
#include <cstdio>
#include <span>

using namespace tarvello;
using tarvello::test::ShownWindow;

namespace {

bool shoot(const QString& directory, const QString& name, std::span<const Integer> picks)
{
    ShownWindow shown;
    TarvelloWindow& window = shown.window;
    for (Integer kind : picks)
        window.kindButton(kind)->click();
    QApplication::processEvents();
    const QString path = QDir(directory).filePath(name + ".png");
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(directory);
    // The three top kinds; all seven from the shortest; all seven from the top (wrong).
    const std::span<const Integer> top(layout::kindAtRow);
    const std::array<Integer, contents::kindCount> shortestFirst { 0, 1, 2, 3, 4, 5, 6 };
    const bool ok = shoot(directory, "start", {}) &&
        shoot(directory, "three-picks", top.first(3)) &&
        shoot(directory, "verdict-right", shortestFirst) && shoot(directory, "verdict-wrong", top);
    return ok ? 0 : 1;
}
