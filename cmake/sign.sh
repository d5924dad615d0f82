#!/usr/bin/env bash
# Signs Windows files (SHA-256 Authenticode, with Debian's osslsigncode) through a PKCS#11
# token, or with a PKCS#12 file, and verifies each signature before it counts:
#   sign.sh --check PROGRAM.exe TRUSTED.pem   checks the settings on a copy of PROGRAM: the
#                 token and its PIN, the certificate (in force, for code signing) and the
#                 timestamp server; writes what verifies a signature: the signer's chain and
#                 the system's roots
#   sign.sh TRUSTED.pem FILE...               signs each FILE in place
# The settings, from the environment:
#   TARVELLO_SIGN_KEY             a PKCS#11 URI of the private key, or a PKCS#12 file
#   TARVELLO_SIGN_CERT            a PKCS#11 URI of the certificate, or a PEM file of it and its
#                                 chain (not with a PKCS#12 file, which holds them)
#   TARVELLO_SIGN_PKCS11_MODULE   the token's PKCS#11 module
#   TARVELLO_SIGN_PIN             the token's PIN, or the PKCS#12 file's password
#   TARVELLO_SIGN_TIMESTAMP       an RFC 3161 timestamp server (optional)
# Each failure ends with status 1 and a line that names its cause.
set -euo pipefail
stop() {
    echo "signing: $*" >&2
    exit 1
}
key=${TARVELLO_SIGN_KEY:?} cert=${TARVELLO_SIGN_CERT:-}
options=(-h sha256 -pass "${TARVELLO_SIGN_PIN:-}")
if [[ $key == pkcs11:* ]]; then
    module=${TARVELLO_SIGN_PKCS11_MODULE:-}
    [[ -f $module ]] || stop "no PKCS#11 module at '$module' (TARVELLO_SIGN_PKCS11_MODULE)"
    [[ -n $cert ]] || stop "no certificate: set TARVELLO_SIGN_CERT"
    options+=(-pkcs11module "$module" -key "$key")
    [[ $cert == pkcs11:* ]] && options+=(-pkcs11cert "$cert") || options+=(-certs "$cert")
else
    [[ -f $key ]] || stop "no PKCS#12 file at '$key' (TARVELLO_SIGN_KEY)"
    options+=(-pkcs12 "$key")
fi
[[ -z ${TARVELLO_SIGN_TIMESTAMP:-} ]] || options+=(-ts "$TARVELLO_SIGN_TIMESTAMP")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# sign FILE [TRUSTED]: signs FILE in place, and verifies it against TRUSTED where given; says
# why where it cannot.
sign() {
    if ! osslsigncode sign "${options[@]}" -in "$1" -out "$work/signed" >"$work/said" 2>&1; then
        grep -qiE 'PIN incorrect|PIN_INCORRECT|mac verify|bad decrypt' "$work/said" &&
            stop "the PIN or password was refused (TARVELLO_SIGN_PIN)"
        grep -qiE 'Connecting to|timestamp' "$work/said" &&
            stop "no timestamp from $TARVELLO_SIGN_TIMESTAMP (TARVELLO_SIGN_TIMESTAMP)"
        stop "$1 could not be signed: $(grep -v '^Engine' "$work/said" | tail -3 | xargs)"
    fi
    if [[ -n ${2:-} ]] && ! osslsigncode verify -CAfile "$2" -in "$work/signed" >"$work/said" 2>&1
    then
        stop "the signature of $1 does not verify: $(tail -3 "$work/said" | xargs)"
    fi
    mv "$work/signed" "$1"
}

if [[ $1 == --check ]]; then
    probe=$work/probe.exe chain=$work/chain.pem
    cp "$2" "$probe"
    sign "$probe"
    osslsigncode extract-signature -pem -in "$probe" -out "$work/signature.pem" >/dev/null
    openssl pkcs7 -in "$work/signature.pem" -print_certs -out "$chain"
    subject=$(openssl x509 -in "$chain" -noout -subject)
    openssl x509 -in "$chain" -noout -checkend 0 >/dev/null ||
        stop "the certificate is out of date: $subject, $(openssl x509 -in "$chain" -noout -enddate)"
    openssl x509 -in "$chain" -noout -ext extendedKeyUsage | grep -q 'Code Signing' ||
        stop "the certificate is not for code signing: $subject"
    cat "$chain" /etc/ssl/certs/ca-certificates.crt >"$3" 2>/dev/null || cp "$chain" "$3"
    osslsigncode verify -CAfile "$3" -in "$probe" >"$work/said" 2>&1 ||
        stop "a signature does not verify: $(tail -3 "$work/said" | xargs)"
    echo "signing as $subject"
    exit 0
fi
trusted=$1
shift
for file in "$@"; do
    sign "$file" "$trusted"
done
