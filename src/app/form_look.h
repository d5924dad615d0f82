#pragma once

// The form's colours and font (form/appearance.h) as Qt takes them.

#include "form/appearance.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace tarvello::look {

inline QColor qColor(appearance::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline const QColor form = qColor(appearance::form);
inline const QColor label = qColor(appearance::label);
inline const QColor kind = qColor(appearance::kind);
inline const QColor clear = qColor(appearance::clear);

// The palette of every widget: Qt's light colours, each one set, so that a desktop theme,
// dark or light, changes none of them.
QPalette formPalette();

// The form's font; where it is missing, its fallback, which has its metrics.
QFont formFont();

// Gives `widget` a background of `colour`, filled behind it.
void fillBackground(QWidget* widget, const QColor& colour);

} // namespace tarvello::look
