#pragma once

// What assistive technology reads out, in the pupil's language, and how it works the controls.

#include <QString>
#include <QWidget>

namespace tarvello::access {

inline const QString answerList = "Подредени по дължина";
inline const QString answerListHelp = "Щракване, интервал или Enter върху ред връща избора обратно";
inline const QString clearButtonHelp = "Започва упражнението отначало";
inline const QString infoBox = "Информация";
inline const QString infoBoxHelp = "Описание на посочения вид или оценка на подредбата";
inline const QString kindButtonHelp = "Посочете следващия по дължина вид панталон";

inline const QString cleared = "Отговорите са изчистени";

// "Върнат: " and the name of a kind taken back.
QString takenBack(const QString& kindName);

// What a click on a used kind says: that it is used, and that nothing was picked.
QString usedNotPicked(const QString& kindName);

// A kind button's name: its caption, or for a used kind (no caption) "Използван: " and the
// name it had.
QString kindButtonName(const QString& caption, const QString& kindName);

// An Announcement is a notification to assistive technology. Installed once, before the
// window is made.
void installInterfaces();

// News for a screen reader, wherever the focus is: a notification that takes no room on
// the screen, shown anew with each piece of news as its name. Screen readers speak a
// notification as it shows. (Orca leaves out changes of controls without the focus, and
// Qt 6.4 hands it no alert, nor the text of a changed name or description.)
class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* parent);

    void announce(const QString& news);
};

} // namespace tarvello::access
