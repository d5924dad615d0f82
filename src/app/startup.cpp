#include "startup.h"

#include "accessibility.h"
#include "config.h"
#include "form_look.h"
#include "held_keys.h"
#include "painted_controls.h"
#include "tarvello_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QResource>
#include <QScreen>
#include <QTranslator>

#include <algorithm>
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

// The window's icon, in the sizes that a window system takes for a window. The icons are
// their pixels, square, the side in the name: nothing to decode.
QIcon storedIcon()
{
    QIcon icon;
    for (const QFileInfo& file : QDir(":/icons").entryInfoList()) {
        const QByteArray pixels = QResource(file.filePath()).uncompressedData();
        const int side = file.completeBaseName().section('-', -1).toInt();
        if (side > 0 && pixels.size() == qsizetype(side) * side * 4)
            icon.addPixmap(
                QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), side,
                    side, QImage::Format_RGBA8888)));
    }
    return icon;
}

// The application's set-up that needs no font: language, style, palette, icon.
void prepareAllButFonts(QApplication& app)
{
    // The pupil reads Bulgarian, whatever the system's language: Qt's own texts too.
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    auto* translator = new QTranslator(&app);
    if (translator->load(
            QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    // Fusion, so that the form's colours show on every desktop, and a light palette of its
    // own: the form's colours are part of the exercise, and a dark theme's light text on them
    // would be unreadable.
    QApplication::setStyle("Fusion");
    QApplication::setPalette(look::formPalette());
    // One press of a key is one pick, one take-back, one clear, however long it is held: in
    // the window and in a message box alike.
    app.installEventFilter(new HeldKeys(&app));
    access::installInterfaces();
    KindButton::installAccessibleInterface();
    AnswerList::installAccessibleInterface();
    app.setApplicationName(TARVELLO_NAME);
    // Ties the window to its desktop entry: the Wayland app id. (On X11 the entry names the
    // window's class, the application's name.)
    QGuiApplication::setDesktopFileName(TARVELLO_APP_ID);
    app.setApplicationVersion(TARVELLO_VERSION);
    QApplication::setWindowIcon(storedIcon());
}

// Qt's own texts (the message box, the info box's menu) in the form's font too: one face for
// the whole program, so that no other is loaded.
void useFormFont()
{
    QApplication::setFont(look::formFont());
}

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

void prepareApplication(QApplication& app)
{
    prepareAllButFonts(app);
    useFormFont();
}

QPoint windowPlace(QSize size, QRect available)
{
    QRect place(QPoint(), size);
    place.moveCenter(available.center());
    return { std::max(place.left(), available.left()), std::max(place.top(), available.top()) };
}

QString runtimeErrorMessage(int number, const QString& description)
{
    return QString("Run-time error '%1':\n\n%2").arg(number).arg(description);
}

void reportRuntimeError(QWidget* window, int number, const QString& description)
{
    QMessageBox::critical(window, TARVELLO_NAME, runtimeErrorMessage(number, description));
    QCoreApplication::exit(exitRuntimeError);
}

} // namespace tarvello
