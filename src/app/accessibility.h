#pragma once

// What assistive technology reads out, in the pupil's language, and how it works the controls.

#include <QString>

class QWidget;

namespace tarvello::access {

inline const QString answerList = "Подредени по дължина";
inline const QString answerListHelp = "Щракване, интервал или Enter върху ред връща избора обратно";
inline const QString clearButtonHelp = "Започва упражнението отначало";
inline const QString infoBox = "Информация";
inline const QString infoBoxHelp = "Описание на посочения вид или оценка на подредбата";
inline const QString kindButtonHelp = "Посочете следващия по дължина вид панталон";

// A kind button's name: its caption, or for a used kind (no caption) "Използван: " and the
// name it had.
QString kindButtonName(const QString& caption, const QString& kindName);

// Kind buttons are radio buttons to assistive technology; toggling or pressing one is one
// click. Installed once, before the window is made.
void installKindButtonInterface();

// Tells assistive technology that `widget` has news wherever the focus is.
void raiseAlert(QWidget* widget);

} // namespace tarvello::access
