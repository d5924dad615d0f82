# shellcheck shell=bash
# For the install tests under Wine that source this file: a Wine prefix of their own, made
# anew so that no install of an earlier run is left in it, and what they read back from it.
# `here` is the sourcing script's folder; TARVELLO_NAME and TARVELLO_PUBLISHER are the
# program's name and publisher.
export LC_ALL=C.UTF-8
failed=0
fail() { echo "FAIL $*" >&2; failed=1; }

# fresh_prefix FOLDER PACKAGE: makes FOLDER a new Wine prefix for the build of PACKAGE.
fresh_prefix() {
    export WINEPREFIX=$1
    rm -rf "$WINEPREFIX"
    "$here/wine.sh" --init "$2" >/dev/null
    export WINEDEBUG=-all
}

# entry NAME: the uninstall entry NAME (the installer's, or the MSI's product code) as reg
# exports it, or nothing; exported, as reg's console output loses the Cyrillic.
entry() {
    local key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1"
    rm -f "$WINEPREFIX/drive_c/entry.reg"
    wine reg export "$key" 'C:\entry.reg' /y >/dev/null 2>&1 &&
        iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/drive_c/entry.reg" || true
}

# expect_entry NAME VALUE...: the uninstall entry NAME holds each VALUE, a line of its export;
# its name and publisher always.
expect_entry() {
    local listed value
    listed=$(entry "$1")
    shift
    for value in "\"DisplayName\"=\"$TARVELLO_NAME\"" \
        "\"Publisher\"=\"$TARVELLO_PUBLISHER\"" "$@"; do
        grep -qF -- "$value" <<<"$listed" || fail "the uninstall entry lacks $value"
    done
}
