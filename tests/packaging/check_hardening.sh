#!/usr/bin/env bash
# Reads the built executable and checks its hardening: position-independent, full RELRO
# with immediate binding, stack protector; and that the same compile options fortify
# library calls (_FORTIFY_SOURCE), read from a probe object built with them.
#   check_hardening.sh EXECUTABLE FORTIFY_PROBE_OBJECT
set -euo pipefail
binary=$1
probe=$2
command -v readelf >/dev/null || { echo "missing tool: readelf" >&2; exit 1; }
status=0
check() {
    if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1" >&2; status=1; fi
}
header=$(readelf -hW "$binary")
dynamic=$(readelf -dW "$binary")
segments=$(readelf -lW "$binary")
symbols=$(readelf --dyn-syms -W "$binary")
check "position-independent executable" \
    '[[ $header == *"DYN ("* ]] && [[ $dynamic == *"PIE"* ]]'
check "RELRO segment" '[[ $segments == *GNU_RELRO* ]]'
check "immediate binding (BIND_NOW)" '[[ $dynamic == *BIND_NOW* ]] || [[ $dynamic == *"Flags: NOW"* ]]'
check "stack protector" '[[ $symbols == *__stack_chk_fail* ]]'
check "_FORTIFY_SOURCE" 'readelf -sW "$probe" | grep -q __memcpy_chk'
exit $status
