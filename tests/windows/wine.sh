#!/usr/bin/env bash
# Runs a Windows program of this build under Wine, as the build's tests and tools do: in a
# Wine prefix of the build's own, made on first use (about 20 s), with the DLLs of Qt for
# Windows and of the MinGW runtime on its path.
#   wine.sh PROGRAM.exe [ARG...]
#   wine.sh --init PROGRAM.exe   only makes the prefix, where it is missing, and prints it
set -euo pipefail
init_only=
if [[ $1 == --init ]]; then
    init_only=1
    shift
fi
program=$1
shift
source "$(dirname "$0")/../support.sh"
need wine
build=$(dirname "$(realpath "$program")")
while [[ ! -f $build/CMakeCache.txt ]]; do
    [[ $build != / ]] || { echo "wine.sh: $program is not in a build folder" >&2; exit 2; }
    build=$(dirname "$build")
done
qt=$(sed -n 's/^TARVELLO_WINDOWS_QT_PREFIX:[A-Z]*=//p' "$build/CMakeCache.txt")
windows_path() { echo "Z:${1//\//\\}"; }
# The folders of the MinGW-w64 runtime DLLs, as the build found them.
runtime=$(sed -n 's/^TARVELLO_WINDOWS_RUNTIME:INTERNAL=//p' "$build/CMakeCache.txt" |
    tr ';' '\n' | xargs -r -n1 dirname | sort -u)
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# No prompt to install Wine's .NET or browser; the caller's own overrides kept.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
WINEPATH=$(windows_path "$qt/bin")
for folder in $runtime; do
    WINEPATH+=";$(windows_path "$folder")"
done
export WINEPATH
(
    flock 9
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        wineboot --init >/dev/null 2>&1
        wineserver -w
    fi
) 9>"$build/wine.lock"
if [[ -n $init_only ]]; then
    echo "$WINEPREFIX"
    exit 0
fi
exec wine "$program" "$@"
