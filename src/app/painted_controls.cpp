#include "painted_controls.h"

#include "form_look.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace tarvello {

void KindFrame::paintEvent(QPaintEvent*)
{
    // An etched edge whose top line runs through the middle of the caption.
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    qDrawShadeRect(&painter, rect().adjusted(0, top, 0, 0), palette(), true, 1);
    const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(backgroundRole()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

ClearButton::ClearButton(QWidget* parent) : QPushButton(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Button, look::clear);
    colours.setColor(QPalette::Light, look::clear.lighter(160));
    colours.setColor(QPalette::Midlight, look::clear.lighter(130));
    colours.setColor(QPalette::Dark, look::clear.darker(200));
    colours.setColor(QPalette::Mid, look::clear.darker(150));
    colours.setColor(QPalette::Shadow, Qt::black);
    setPalette(colours);
}

void ClearButton::paintEvent(QPaintEvent*)
{
    // A flat red face with a raised edge, pressed in while held down.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    qDrawWinButton(&painter, rect(), palette(), isDown());
    const QRect face = rect().adjusted(2, 2, -2, -2).translated(isDown() ? QPoint(1, 1) : QPoint());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(face, Qt::AlignCenter, text());
    // The focus: a dotted frame in the text's colour, as on the kinds and the list; the style's
    // own mark, dark red on the red face, can hardly be seen.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
}

void ClearButton::keyPressEvent(QKeyEvent* event)
{
    // Qt's push button takes Enter only as a dialog's default button; this one takes it too.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace tarvello
