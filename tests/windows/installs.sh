# shellcheck shell=bash
# For the install tests under Wine that source this file: what they read back from their
# Wine prefix. TARVELLO_NAME and TARVELLO_PUBLISHER are the program's name and publisher. An
# installed program runs on its own DLLs alone: no other folder is on its path.
source "$(dirname "${BASH_SOURCE[0]}")/../support.sh"
export LC_ALL=C.UTF-8 WINEDEBUG=-all
unset WINEPATH

# same_files STAGED MESSAGE: $folder holds STAGED's files, and no other but uninstall.exe.
same_files() {
    diff <(cd "$1" && find . -type f -exec sha256sum {} + | sort -k2) <(cd "$folder" &&
        find . -type f ! -path ./uninstall.exe -exec sha256sum {} + | sort -k2) || fail "$2"
}
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }

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
