#pragma once

#include <QObject>

#include <optional>

namespace tarvello {

// Keeps a held key to one press, and two quick presses to two: an event filter for the
// application.
//
// Where Qt's platform marks a repeated key itself (Wayland, Windows), a press is a repeat
// when it is marked, and only then: two quick presses can carry one time there (Windows'
// clock steps by about 16 ms), and each counts. On X11 a held key repeats as a release and
// a press that carry one time, and Qt marks such a pair as repeated when it sees them
// together; but an input tool (an on-screen keyboard, switch access) that sends two quick
// presses through XTest makes the same pair. What tells them apart is how long the key has
// been down: the window system repeats a key only after its repeat delay. So on X11 a pair
// counts as a repeat only from `repeatDelayMs` after the press that began the hold; one that
// comes sooner goes on, unmarked, as a press and release of its own. A dropped press never
// reaches the widget: a button that clicks on the release clicks once, and a widget that
// acts on the press acts once. Events are told apart by their own times, so a test can play
// any sequence of them.
class HeldKeys : public QObject {
    Q_OBJECT

public:
    // For the platform that Qt names `platform` ("xcb", "wayland", "windows", ...).
    explicit HeldKeys(QStringView platform, QObject* parent = nullptr);

    void setPlatform(QStringView platform);

    // Below any key repeat delay that a desktop offers, above the time an input tool takes
    // between two presses.
    static constexpr quint64 repeatDelayMs = 50;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct KeyTime {
        int key;
        quint64 time;
    };
    bool x11_ = false;
    std::optional<KeyTime> lastRelease_;
    std::optional<KeyTime> holdStart_; // the last press that was not a repeat
};

} // namespace tarvello
