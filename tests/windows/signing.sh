#!/usr/bin/env bash
# The Windows packages signed as a release is, through a PKCS#11 token: a SoftHSM2 token, made
# afresh, holds a self-made code-signing certificate and its key.
# - Where signing cannot be done, the packaging stops, says why, and leaves no package, not
#   even an earlier one: a wrong PIN, a missing module, a certificate out of date or not for
#   code signing (each in a PKCS#12 file), a timestamp server that does not answer.
# - Signed, every program and DLL of the zip, the installer and the MSI verify against the
#   token's certificate, and a file changed after signing does not.
# - Under Wine, the signed MSI and installer install and uninstall silently, and the program
#   and the uninstaller they install are signed.
# Run inside desktop.sh --x11 ....
#   signing.sh BUILD    the Windows build, after its target windows_packages
set -euo pipefail
here=$(dirname "$0")
source "$here/installs.sh"
need softhsm2-util pkcs11-tool osslsigncode
build=$(realpath "$1")
packages=$build/package
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
package() { cmake --build "$build" --target windows_packages >"$work/said" 2>&1; }
verify() { osslsigncode verify -CAfile "$work/signer.pem" -in "$1" >/dev/null 2>&1; }

export SOFTHSM2_CONF=$work/softhsm2.conf
mkdir "$work/tokens"
echo "directories.tokendir = $work/tokens" >"$SOFTHSM2_CONF"
module=/usr/lib/x86_64-linux-gnu/softhsm/libsofthsm2.so
softhsm2-util --init-token --free --label tarvello --pin 1234 --so-pin 4321 >/dev/null
# certificate NAME USE [AGE]: a key and a certificate for USE, made AGE ago, valid 30 days.
certificate() {
    faketime -f "-${3:-0}d" openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/$1.key" \
        -out "$work/$1.pem" -days 30 -subj "/CN=Tarvello $1" -addext "extendedKeyUsage=$2" \
        2>/dev/null
    openssl pkcs12 -export -in "$work/$1.pem" -inkey "$work/$1.key" -out "$work/$1.p12" \
        -passout pass:p12
}
certificate signer codeSigning
certificate expired codeSigning 60
certificate server serverAuth
openssl pkcs8 -topk8 -nocrypt -in "$work/signer.key" -out "$work/signer.p8"
softhsm2-util --import "$work/signer.p8" --token tarvello --label signer --id 01 --pin 1234 \
    >/dev/null
openssl x509 -in "$work/signer.pem" -outform der -out "$work/signer.der"
pkcs11-tool --module "$module" --token-label tarvello --login --pin 1234 --type cert --id 01 \
    --label signer --write-object "$work/signer.der" >/dev/null
export TARVELLO_SIGN_PKCS11_MODULE=$module TARVELLO_SIGN_PIN=1234 \
    TARVELLO_SIGN_KEY="pkcs11:token=tarvello;object=signer;type=private" \
    TARVELLO_SIGN_CERT="pkcs11:token=tarvello;object=signer;type=cert"

# refused CAUSE SETTING...: with these settings the packaging fails, says CAUSE, and leaves
# none of the packages that stood before.
cp -r "$packages" "$work/earlier"
refused() {
    local cause=$1
    shift
    cp "$work"/earlier/*.* "$packages/"
    (export "$@" && package) && fail "signed with $*"
    grep -q "signing: $cause" "$work/said" || fail "with $*, not said: $cause"
    [[ -z $(find "$packages" -type f) ]] || fail "with $*, packages left: $(ls "$packages")"
}
refused "the PIN or password was refused" TARVELLO_SIGN_PIN=4321
refused "no PKCS#11 module" TARVELLO_SIGN_PKCS11_MODULE="$work/none.so"
refused "the certificate is out of date" TARVELLO_SIGN_KEY="$work/expired.p12" TARVELLO_SIGN_PIN=p12
refused "the certificate is not for code signing" TARVELLO_SIGN_KEY="$work/server.p12" \
    TARVELLO_SIGN_PIN=p12
refused "no timestamp" TARVELLO_SIGN_TIMESTAMP=http://127.0.0.1:9

package || { cat "$work/said"; exit 1; }
unzip -q "$packages"/*.zip -d "$work/zip"
for file in $(find "$work/zip" -name '*.exe' -o -name '*.dll') "$packages"/*.exe "$packages"/*.msi
do
    verify "$file" && echo "signed: ${file##*/}" || fail "not signed: $file"
done
installer=$(echo "$packages"/*.exe) msi=$(echo "$packages"/*.msi)
cp "$installer" "$work/changed.exe"
printf x | dd of="$work/changed.exe" bs=1 seek=$(($(stat -c %s "$installer") / 2)) conv=notrunc \
    2>/dev/null
! verify "$work/changed.exe" || fail "a changed installer verifies"

wine_prefix "$build/wine-signing" "$installer"
folder="$WINEPREFIX/drive_c/Program Files/$TARVELLO_NAME"
wine msiexec /i "$(winepath -w "$msi")" /qn || fail "the signed MSI did not install"
verify "$folder/tarvello.exe" || fail "the MSI's program is not signed"
wine msiexec /x "$(winepath -w "$msi")" /qn || fail "the signed MSI did not uninstall"
wineserver -w
wine "$installer" /S || fail "the signed installer did not install"
verify "$folder/tarvello.exe" || fail "the installer's program is not signed"
verify "$folder/uninstall.exe" || fail "the uninstaller is not signed"
wine "$folder/uninstall.exe" /S || fail "the signed uninstaller failed"
wineserver -w
[[ ! -e $folder ]] || fail "left after uninstalling: $(find "$folder" | xargs)"
exit $failed
