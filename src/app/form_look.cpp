#include "form_look.h"

#include <QPalette>
#include <QWidget>

namespace tarvello::look {

QFont formFont()
{
    QFont font;
    // Liberation Serif has the metrics of Times New Roman; DejaVu Serif is a last resort.
    font.setFamilies({ "Times New Roman", "Liberation Serif", "DejaVu Serif" });
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace tarvello::look
