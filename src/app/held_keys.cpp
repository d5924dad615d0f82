#include "held_keys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace tarvello {

namespace {

// Sends `key` to `receiver` again, not marked as repeated.
bool resendUnmarked(QObject* receiver, QKeyEvent* key)
{
    QKeyEvent unmarked(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
        key->nativeVirtualKey(), key->nativeModifiers(), key->text(), false, key->count(),
        key->device());
    unmarked.setTimestamp(key->timestamp());
    QCoreApplication::sendEvent(receiver, &unmarked);
    key->setAccepted(unmarked.isAccepted());
    return true;
}

} // namespace

bool HeldKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // A time of 0 is no time: events made by a program rather than a keyboard carry it.
    if (key->timestamp() == 0)
        return false;
    static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    const bool heldLongEnough = holdStart_ && holdStart_->key == key->key() &&
        key->timestamp() >= holdStart_->time + repeatDelayMs;
    if (event->type() == QEvent::KeyRelease) {
        lastRelease_ = KeyTime { key->key(), key->timestamp() };
        if (x11 && key->isAutoRepeat() && !heldLongEnough)
            return resendUnmarked(watched, key);
        return false;
    }
    const bool paired =
        lastRelease_ && lastRelease_->key == key->key() && lastRelease_->time == key->timestamp();
    const bool repeat = x11 ? paired && heldLongEnough : paired || key->isAutoRepeat();
    if (repeat)
        return true;
    holdStart_ = KeyTime { key->key(), key->timestamp() };
    if (key->isAutoRepeat())
        return resendUnmarked(watched, key);
    return false;
}

} // namespace tarvello
