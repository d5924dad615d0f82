#!/usr/bin/env bash
# Under GNOME's dark theme (Qt's gtk3 platform theme, Adwaita dark) the window must look as
# under a light one: the form's own colours, black text, every caption readable.
# Run inside desktop.sh --x11 ... --session-bus.
#   dark_theme.sh TARVELLO CHECK_FORM_PICTURE GTK3_THEME_PLUGIN
set -euo pipefail
source "$(dirname "$0")/../support.sh"
program=$1 checker=$2 plugin=$3
[[ -f $plugin ]] || { echo "missing the gtk3 platform theme: $plugin" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
start "$program"
"$checker" :screen --dark-theme --save "${TARVELLO_PICTURES:-/tmp}/dark-theme.png"
