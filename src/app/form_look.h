#pragma once

// The form's colours and font.

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace tarvello::look {

inline const QColor form(192, 192, 255);
inline const QColor label(255, 192, 128);
inline const QColor kind(255, 128, 0);
inline const QColor clear(255, 0, 0);

// The palette of every widget: Qt's light colours, each one set, so that a desktop theme,
// dark or light, changes none of them.
QPalette formPalette();

// Times New Roman, 12 point; where it is missing, Liberation Serif, which has its metrics.
QFont formFont();

// Gives `widget` a background of `colour`, filled behind it.
void fillBackground(QWidget* widget, const QColor& colour);

} // namespace tarvello::look
