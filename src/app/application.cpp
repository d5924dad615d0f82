#include "application.h"

#include "accessibility.h"
#include "answer_list.h"
#include "config.h"
#include "form_look.h"
#include "held_keys.h"
#include "kind_button.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <QTranslator>

namespace tarvello {

namespace {

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

} // namespace

void prepareApplication(QApplication& app)
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
    app.installEventFilter(new HeldKeys(QGuiApplication::platformName(), &app));
    access::installInterfaces();
    KindButton::installAccessibleInterface();
    AnswerList::installAccessibleInterface();
    app.setApplicationName(TARVELLO_NAME);
    // Ties the window to its desktop entry: the Wayland app id. (On X11 the entry names the
    // window's class, the application's name.)
    QGuiApplication::setDesktopFileName(TARVELLO_APP_ID);
    app.setApplicationVersion(TARVELLO_VERSION);
    QApplication::setWindowIcon(storedIcon());
    // Qt's own texts (the message box, the info box's menu) in the form's font too: one face
    // for the whole program, so that no other is loaded.
    QApplication::setFont(look::formFont());
}

} // namespace tarvello
