#pragma once

// How assistive technology works the window's controls; what it reads out is the core's
// (form/accessible_texts.h).

#include "form/accessible_texts.h"

#include <QString>
#include <QWidget>

class QAbstractScrollArea;

namespace tarvello::access {

// The core's texts, as the window gives them to Qt.
inline QString qs(std::u16string_view text)
{
    return QStringView(text).toString();
}

inline const QString answerList = qs(accessible::answerList);
inline const QString answerListHelp = qs(accessible::answerListHelp);
inline const QString clearButtonHelp = qs(accessible::clearButtonHelp);
inline const QString infoBox = qs(accessible::infoBox);
inline const QString infoBoxHelp = qs(accessible::infoBoxHelp);
inline const QString kindButtonHelp = qs(accessible::kindButtonHelp);

inline const QString cleared = qs(accessible::cleared);
inline const QString noAnswers = qs(accessible::noAnswers);
inline const QString news = qs(accessible::news);

inline const QString infoText = qs(accessible::infoText);
inline const QString scrollUpDown = qs(accessible::scrollUpDown);
inline const QString scrollSideways = qs(accessible::scrollSideways);

// The core's texts of the same names (form/accessible_texts.h).
QString takenBack(const QString& kindName);
QString usedNotPicked(const QString& kindName);
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
