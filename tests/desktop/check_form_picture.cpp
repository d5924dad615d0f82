// Checks a picture of the real program's window, taken on a desktop: the form must look as
// the program draws it at start (its colours, its captions), and every caption must stand out
// from its background with a contrast of at least 4.5:1.
//   check_form_picture PICTURE.png|:screen [--save FILE.png] [--dark-theme]
// ":screen" takes the picture of the whole screen of this program's own display, as soon as
// the form shows there (within 20 s). The form is found in the picture by its background
// colour; the reference is drawn by this program. It prints where the form and its top kind
// button stand in the picture. --dark-theme: fail unless the desktop theme that this program
// itself is given is a dark one, so that the check means something.

#include "application.h"
#include "contrast.h"
#include "form_look.h"
#include "tarvello_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <map>

using namespace tarvello;
using tarvello::test::contrast;

namespace {

// The smallest rectangle that holds every pixel of `colour`.
QRect boundsOf(const QImage& image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// A caption's text against its background in `area` of the picture: the most frequent colour
// is the background, the text the colour that differs from it most. The text must cover a
// few pixels (it is there), reach 4.5:1, and stop short of the area's right edge (it is
// whole, not cut off there).
bool captionReadable(const QImage& picture, const QString& what, QRect area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000];
    }
    QRgb background = 0;
    int most = 0;
    for (const auto& [rgb, count] : counts) {
        if (count > most)
            std::tie(background, most) = std::tie(rgb, count);
    }
    double best = 1;
    int textPixels = 0;
    for (const auto& [rgb, count] : counts) {
        const double ratio = contrast(rgb, background);
        best = std::max(best, ratio);
        if (ratio >= 3)
            textPixels += count;
    }
    int rightmost = area.left();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (contrast(picture.pixel(x, y), background) >= 3)
                rightmost = std::max(rightmost, x);
        }
    }
    const bool whole = rightmost < area.right();
    const bool ok = best >= 4.5 && textPixels >= 20 && whole;
    std::printf("%s %-14s text contrast %.1f:1 on %s, %d text pixels%s\n", ok ? "ok  " : "FAIL",
        qPrintable(what), best, qPrintable(QColor(background).name()), textPixels,
        whole ? "" : ", cut off at the right");
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::fprintf(
            stderr, "usage: %s PICTURE.png|:screen [--save FILE.png] [--dark-theme]\n", argv[0]);
        return 2;
    }
    if (arguments.contains("--dark-theme")) {
        const QColor window = QApplication::palette().color(QPalette::Window);
        std::printf("desktop theme's window colour %s\n", qPrintable(window.name()));
        if (window.lightness() >= 128) {
            std::printf("FAIL the desktop theme is not a dark one\n");
            return 1;
        }
    }
    prepareApplication(app);

    Tarvello form;
    TarvelloWindow window(form);
    const QPixmap drawn = window.grab();
    const QImage reference = drawn.toImage().convertToFormat(QImage::Format_RGB32);
    // Places in the picture, in its pixels: the form's, times the screen's scale.
    const qreal scale = drawn.devicePixelRatio();
    auto inPixels = [scale](const QRect& place) {
        return QRectF(QPointF(place.topLeft()) * scale, QSizeF(place.size()) * scale)
            .toAlignedRect();
    };

    QImage picture;
    QRect found;
    QElapsedTimer waited;
    waited.start();
    for (; !waited.hasExpired(20000); QThread::msleep(200)) {
        picture = arguments[1] == ":screen"
            ? QGuiApplication::primaryScreen()->grabWindow(0).toImage()
            : QImage(arguments[1]);
        picture = picture.convertToFormat(QImage::Format_RGB32);
        found = boundsOf(picture, look::form.rgb());
        if (arguments[1] != ":screen" || found.size() == reference.size())
            break;
    }
    if (const qsizetype save = arguments.indexOf("--save"); save > 0 && save + 1 < arguments.size())
        picture.save(arguments[save + 1]);
    if (picture.isNull()) {
        std::fprintf(stderr, "no picture from %s\n", argv[1]);
        return 1;
    }
    std::printf(
        "form found at %d,%d, %dx%d\n", found.x(), found.y(), found.width(), found.height());
    if (found.size() != reference.size()) {
        std::printf("FAIL the form is %dx%d, not %dx%d\n", found.width(), found.height(),
            reference.width(), reference.height());
        return 1;
    }
    const QImage shown = picture.copy(found);
    auto placeOf = [&window](QWidget* widget) {
        return QRect(widget->mapTo(&window, QPoint()), widget->size());
    };
    auto shownAt = [&](QWidget* widget) { return inPixels(placeOf(widget)); };
    const QPoint topKind =
        found.topLeft() + shownAt(window.kindButton(layout::kindAtRow.front())).center();
    std::printf("top kind button at %d,%d\n", topKind.x(), topKind.y());

    // As the program draws it: colour for colour, but for a few pixels (a text cursor).
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = reference.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b)) >
                48)
                ++differing;
        }
    }
    const double share = 100.0 * differing / (shown.width() * shown.height());
    bool ok = share <= 0.5;
    std::printf("%s %.2f %% of the form's pixels differ from the program's own drawing\n",
        ok ? "ok  " : "FAIL", share);

    ok &= captionReadable(shown, "title", shownAt(window.titleLabel()));
    ok &= captionReadable(shown, "heading", shownAt(window.answerHeading()));
    // The frame's caption, in the gap of its edge 6 pixels in, 2 pixels either side of the
    // text; the kind buttons' captions, not their circles.
    const QFontMetrics metrics = window.kindFrame()->fontMetrics();
    const QRect caption(placeOf(window.kindFrame()).topLeft() + QPoint(6, 0),
        QSize(metrics.horizontalAdvance(window.kindFrame()->title()) + 4, metrics.height()));
    ok &= captionReadable(shown, "frame caption", inPixels(caption));
    for (int kind = 0; kind < contents::kindCount; ++kind)
        ok &= captionReadable(shown, QString("kind %1").arg(kind),
            inPixels(placeOf(window.kindButton(kind)).adjusted(20, 0, 0, 0)));
    ok &= captionReadable(
        shown, "clear button", inPixels(placeOf(window.clearButton()).adjusted(3, 3, -3, -3)));
    ok &= captionReadable(
        shown, "info box", inPixels(placeOf(window.infoBox()->viewport()).adjusted(2, 2, -2, -2)));
    return ok ? 0 : 1;
}
