#include "held_keys.h"

#include <QKeyEvent>

namespace tarvello {

bool HeldKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    // A time of 0 is no time: events made by a program rather than a keyboard carry it.
    if (key->timestamp() == 0)
        return false;
    if (event->type() == QEvent::KeyRelease) {
        lastRelease_ = Release { key->key(), key->timestamp() };
        return false;
    }
    return lastRelease_ && lastRelease_->key == key->key() &&
        lastRelease_->time == key->timestamp();
}

} // namespace tarvello
