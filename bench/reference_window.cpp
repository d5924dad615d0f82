// The least a Qt Widgets program can show: a window of Tarvello's size with one label.
// The start-up benchmark measures Tarvello against it.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("reference");
    window.setFixedSize(465, 357);
    QLabel label("Tarvello", &window);
    window.show();
    return app.exec();
}
