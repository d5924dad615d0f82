#!/usr/bin/env bash
# The built program carries what Windows shows of it in Explorer and in the taskbar before it
# runs: its icon and its version information, read back with MinGW's windres.
#   resources.sh PROGRAM.exe WINDRES
set -euo pipefail
source "$(dirname "$0")/../support.sh"
program=$1 windres=$2
need "$windres"
resources=$("$windres" -i "$program" -O rc)
grep -q 'RT_GROUP_ICON' <<<"$resources" || fail "no icon"
grep -A30 'VERSIONINFO' <<<"$resources" | grep -F 'VALUE "FileDescription"' || fail "no version information"
exit $failed
