#include "kind_button.h"

#include "accessibility.h"

#include <QKeyEvent>

namespace tarvello {

void KindButton::showState(const OptionButton& control, const QString& kindName)
{
    const QString caption = QString::fromStdU16String(control.Caption());
    setText(caption);
    const QString name = access::kindButtonName(caption, kindName);
    if (accessibleName() != name)
        setAccessibleName(name);
    setChecked(control.Value());
    setEnabled(control.Enabled());
}

void KindButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        emit focusStep(-1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        emit focusStep(+1);
        break;
    default:
        QRadioButton::keyPressEvent(event);
    }
}

} // namespace tarvello
