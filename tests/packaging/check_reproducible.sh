#!/usr/bin/env bash
# Two clones of one commit, packaged with tools/package, must give byte-identical packages:
# the .deb, and the Windows zip, installer, MSI and winget manifests where Qt for Windows is
# at hand; SHA256SUMS must check them all.
#   check_reproducible.sh REPOSITORY [COMMIT]
# The two builds differ in: the folder and its depth, the time of every checked-out file, the
# umask (022 and 002), the time zone, the locale, the number of parallel jobs and, where a
# host name of its own can be had (unshare, as root), the host name.
set -euo pipefail
source "$(dirname "$0")/../support.sh"
repository=$1 commit=${2:-HEAD}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

clone() {
    git clone -q --no-checkout "$repository" "$1"
    git -C "$1" checkout -q "$commit"
}
first=$work/one/tarvello
second=$work/two/folders/deeper/tarvello-copy
clone "$first"
clone "$second"
find "$second" -exec touch -h -d '2001-07-15 23:59:01' {} +

# Both find the same Qt for Windows, where there is one: the Windows packages too.
if windows_qt=$("$repository/tools/windows-qt" prefix 2>/dev/null); then
    export TARVELLO_WINDOWS_QT=$windows_qt
fi
hostname_of_its_own=()
if unshare --uts true 2>/dev/null; then
    hostname_of_its_own=(unshare --uts sh -c 'hostname reproducible-check-2 && exec "$@"' sh)
fi
echo "=== first build: $first, umask 022, UTC, C.UTF-8, 2 jobs"
(cd "$first" && umask 022 && TZ=UTC LC_ALL=C.UTF-8 CMAKE_BUILD_PARALLEL_LEVEL=2 \
    tools/package) >"$work/first.log" 2>&1 || { cat "$work/first.log"; exit 1; }
echo "=== second build: $second, umask 002, UTC+14, bg_BG.UTF-8, 3 jobs${hostname_of_its_own:+, another host name}"
(cd "$second" && umask 002 && TZ=Pacific/Kiritimati LANG=bg_BG.UTF-8 LC_ALL=bg_BG.UTF-8 \
    CMAKE_BUILD_PARALLEL_LEVEL=3 "${hostname_of_its_own[@]}" tools/package) \
    >"$work/second.log" 2>&1 || { cat "$work/second.log"; exit 1; }
grep -h '^Source time' "$work/first.log"

for name in $(cd "$first/build/package" && find . -type f -printf '%P\n' | sort); do
    package=$first/build/package/$name other=$second/build/package/$name
    if cmp -s "$package" "$other"; then
        echo "same bytes: $name $(sha256sum <"$package" | cut -d' ' -f1)"
    else
        fail "different bytes: $name"
        if command -v diffoscope >/dev/null; then
            diffoscope "$package" "$other" >&2 || true
        elif [[ $name == *.deb ]]; then
            diff <(dpkg-deb -c "$package") <(dpkg-deb -c "$other") >&2 || true
        else
            cmp -l "$package" "$other" | head >&2 || true
        fi
    fi
done
[[ -n ${name:-} ]] || { echo "no package was made" >&2; exit 1; }
# SHA256SUMS checks every package, as `sha256sum -c` reads it.
cd "$first/build/package"
sha256sum -c --strict SHA256SUMS || fail "SHA256SUMS does not check"
[[ $(cut -d' ' -f3- SHA256SUMS) == $(find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' |
    sort) ]] || fail "SHA256SUMS does not list every package"
exit $failed
