#include "startup.h"

#include "application.h"
#include "runtime_error.h"
#include "tarvello_window.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace tarvello {

namespace {

[[noreturn]] void endForNoDisplay()
{
    std::fputs("tarvello: no display could be opened; start it in a desktop session\n", stderr);
    std::_Exit(exitNoDisplay);
}

// Where no platform can start (no display, a wrong one, a missing plugin), Qt aborts the
// program with advice to reinstall it. While the platform starts, its messages are held
// back: if it starts, they go on to where they would have gone; if not, one line says why.
class PlatformStart {
public:
    PlatformStart() { previous_ = qInstallMessageHandler(hold); }

    // The platform has started: hands on what was held and puts the old handler back.
    ~PlatformStart()
    {
        qInstallMessageHandler(previous_);
        for (const Held& message : held_)
            previous_(message.type,
                QMessageLogContext(message.file.constData(), message.line,
                    message.function.constData(), message.category.constData()),
                message.text);
        held_.clear();
    }

private:
    struct Held {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg)
            endForNoDisplay();
        held_.push_back(
            { type, context.file, context.function, context.category, context.line, text });
    }

    static inline QtMessageHandler previous_ = nullptr;
    static inline std::vector<Held> held_;
};

} // namespace

int runProgram(int argc, char* argv[])
{
    // Nothing in the window takes typed text, so no input method is loaded for it.
    qputenv("QT_IM_MODULE", "none");
    auto platformStart = std::make_unique<PlatformStart>();
    auto application = std::make_unique<QApplication>(argc, argv);
    QApplication& app = *application;
    // A platform that starts with no screen (linuxfb without a framebuffer) could show no
    // window: Qt would abort as the window is made.
    if (!QGuiApplication::primaryScreen())
        endForNoDisplay();
    platformStart.reset();
    prepareApplication(app);

    Tarvello form;
    TarvelloWindow window(form);
    QObject::connect(&window, &TarvelloWindow::runtimeError, &window,
        [&window](int number, const QString& description) {
            reportRuntimeError(&window, number, description);
        });
    if (const QScreen* screen = window.screen())
        window.move(windowPlace(window.size(), screen->availableGeometry()));
    window.show();
    const int status = app.exec();
    // Qt 6.4's Wayland platform can hang as it takes its connection down: one of its two
    // event threads may quit with a read still prepared for it, and the other then waits for
    // that read, and Qt for the other, for ever; the window gone, the program would not end.
    // On Wayland the application is left to the end of the process, which closes the
    // connection.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        (void)application.release();
    return status;
}

} // namespace tarvello
