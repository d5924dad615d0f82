#include "startup.h"

#include "window_layout.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

namespace tarvello {

int runProgram(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    Tarvello form;
    TarvelloWindow window(form);
    QObject::connect(&window, &TarvelloWindow::runtimeError, &window,
        [&window](int number, const QString& description) {
            reportRuntimeError(&window, number, description);
        });

    if (const QScreen* screen = window.screen()) {
        QRect place = window.rect();
        place.moveCenter(screen->availableGeometry().center());
        window.move(place.topLeft());
    }
    window.show();
    return app.exec();
}

void reportRuntimeError(QWidget* window, int number, const QString& description)
{
    QMessageBox::critical(window, "Tarvello", runtimeErrorMessage(number, description));
    QCoreApplication::exit(1);
}

} // namespace tarvello
