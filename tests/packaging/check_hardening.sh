#!/usr/bin/env bash
# Reads the built executable and checks its hardening: position-independent, full RELRO
# with immediate binding, stack protector; and that the same compile options fortify
# library calls (_FORTIFY_SOURCE), read from a probe object built with them.
#   check_hardening.sh EXECUTABLE FORTIFY_PROBE_OBJECT
set -euo pipefail
source "$(dirname "$0")/../support.sh"
binary=$1
probe=$2
need readelf
# Prints the check's name, ok or FAIL by the status of the command after it.
check() {
    local name=$1
    shift
    if "$@"; then echo "ok: $name"; else fail "$name"; fi
}
# Whether TEXT holds any of the PATTERNs.
has() {
    local text=$1
    shift
    for pattern in "$@"; do
        [[ $text == *"$pattern"* ]] && return 0
    done
    return 1
}
header=$(readelf -hW "$binary")
dynamic=$(readelf -dW "$binary")
segments=$(readelf -lW "$binary")
symbols=$(readelf --dyn-syms -W "$binary")
probe_symbols=$(readelf -sW "$probe")
pie() { has "$header" "DYN (" && has "$dynamic" "PIE"; }
check "position-independent executable" pie
check "RELRO segment" has "$segments" GNU_RELRO
check "immediate binding (BIND_NOW)" has "$dynamic" BIND_NOW "Flags: NOW"
check "stack protector" has "$symbols" __stack_chk_fail
check "_FORTIFY_SOURCE" has "$probe_symbols" __memcpy_chk
exit $failed
