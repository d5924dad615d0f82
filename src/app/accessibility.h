#pragma once

// What assistive technology reads out, in the pupil's language, and how it works the controls.

#include <QString>
#include <QWidget>

class QAbstractScrollArea;

namespace tarvello::access {

inline const QString answerList = "Подредени по дължина";
inline const QString answerListHelp = "Щракване, интервал или Enter върху ред връща избора обратно";
inline const QString clearButtonHelp = "Започва упражнението отначало";
inline const QString infoBox = "Информация";
inline const QString infoBoxHelp = "Описание на посочения вид или оценка на подредбата";
inline const QString kindButtonHelp = "Посочете следващия по дължина вид панталон";

inline const QString cleared = "Отговорите са изчистени";
inline const QString noAnswers = "Списъкът е празен";
inline const QString news = "Новини"; // the notification's name before the first news

// The parts of the info box that assistive technology lists inside it.
inline const QString infoText = "Текст на информацията";
inline const QString scrollUpDown = "Превъртане нагоре и надолу";
inline const QString scrollSideways = "Превъртане настрани";

// "Върнат: " and the name of a kind taken back.
QString takenBack(const QString& kindName);

// What a click on a used kind says: that it is used, and that nothing was picked.
QString usedNotPicked(const QString& kindName);

// A kind button's name: its caption, or for a used kind (no caption) "Използван: " and the
// name it had.
QString kindButtonName(const QString& caption, const QString& kindName);

// Gives `widget` its help for assistive technology: the description that Linux screen
// readers read, and the help text that Windows ones read.
void setHelp(QWidget* widget, const QString& help);

// Names the parts of a scroll area that assistive technology lists inside it: the area
// that shows the text, and each scroll bar with the box that holds it.
void nameScrollAreaParts(QAbstractScrollArea* area);

// An Announcement is a notification to assistive technology. Installed once, before the
// window is made.
void installInterfaces();

// News for a screen reader, wherever the focus is. On Linux, a notification that takes no
// room on the screen, shown anew with each piece of news as its name: screen readers speak a
// notification as it shows. (Orca leaves out changes of controls without the focus, and
// Qt 6.4 hands it no alert, nor the text of a changed name or description.) On Windows, where
// Qt raises no event for it, a UI Automation notification; the widget stays hidden there.
class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* parent);

    void announce(const QString& news);
};

} // namespace tarvello::access
