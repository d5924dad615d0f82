// Writes PNG pictures of the window: at start, after three picks and with each verdict.
//   tarvello-screenshots DIRECTORY
// Run with QT_QPA_PLATFORM=offscreen to need no display.

#include "startup.h"
#include "tarvello_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <initializer_list>

using namespace tarvello;

namespace {

bool shoot(const QString& directory, const QString& name, std::initializer_list<int> picks)
{
    Tarvello form;
    TarvelloWindow window(form);
    window.show();
    for (int kind : picks)
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
    const bool ok = shoot(directory, "start", {}) && shoot(directory, "three-picks", { 2, 6, 3 }) &&
        shoot(directory, "verdict-right", { 0, 1, 2, 3, 4, 5, 6 }) &&
        shoot(directory, "verdict-wrong", { 2, 6, 3, 4, 1, 5, 0 });
    return ok ? 0 : 1;
}
