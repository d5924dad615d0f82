#include "held_keys.h"

#include <QCoreApplication>
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

HeldKeys::HeldKeys(QStringView platform, QObject* parent) : QObject(parent)
{
    setPlatform(platform);
}

void HeldKeys::setPlatform(QStringView platform)
{
    x11_ = platform == QLatin1String("xcb");
    lastRelease_.reset();
    holdStart_.reset();
}

bool HeldKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // A time of 0 is no time: events made by a program rather than a keyboard carry it.
    if (key->timestamp() == 0)
        return false;
    if (!x11_)
        return event->type() == QEvent::KeyPress && key->isAutoRepeat();
    const bool heldLongEnough = holdStart_ && holdStart_->key == key->key() &&
        key->timestamp() >= holdStart_->time + repeatDelayMs;
    if (event->type() == QEvent::KeyRelease) {
        lastRelease_ = KeyTime { key->key(), key->timestamp() };
        if (key->isAutoRepeat() && !heldLongEnough)
            return resendUnmarked(watched, key);
        return false;
    }
    const bool paired =
        lastRelease_ && lastRelease_->key == key->key() && lastRelease_->time == key->timestamp();
    if (paired && heldLongEnough)
        return true;
    holdStart_ = KeyTime { key->key(), key->timestamp() };
    if (key->isAutoRepeat())
        return resendUnmarked(watched, key);
    return false;
}

} // namespace tarvello
