#!/usr/bin/env bash
# Runs a command as on a desktop with a screen reader: in its own D-Bus session with the
# accessibility bus started and switched on, in Xvfb, on Qt's X11 platform.
#   with_accessibility_bus.sh COMMAND [ARG...]
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session xvfb-run dbus-send "$launcher"; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
            variant:boolean:true >/dev/null 2>&1 && break
        sleep 0.1
    done
    xvfb-run -a -s "-screen 0 1024x768x24" "$@"
    status=$?
    kill "$launcher" 2>/dev/null
    exit $status
' "$launcher" "$@" 2> >(grep -v -e "dbus-daemon\[" >&2)
