#pragma once

#include <QObject>

#include <optional>

namespace tarvello {

// Keeps a held key to one press. On X11 a held key repeats as a release and a press that
// carry the same time, and Qt does not always mark that press as repeated; this filter drops
// such a press before the widget sees it. With the press gone, a button that clicks on the
// release clicks once, and a widget that acts on the press acts once.
class HeldKeys : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Watches the key events of `widget`.
    void watch(QObject* widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Release {
        int key;
        quint64 time;
    };
    std::optional<Release> lastRelease_;
};

} // namespace tarvello
