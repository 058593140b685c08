#!/usr/bin/env bash
# Signing the Windows files, with a key and certificate made here and thrown
# away: the program in the zip, setup.exe and the uninstaller it installs carry
# signatures osslsigncode verifies; a wrong password or a missing key stops
# the package with a message that says which, and leaves no file behind.
# Usage: sign.sh PACKAGE_SETTINGS WINE_RUN
set -uo pipefail

settings=$1
wine_run=$2
deploy=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../cmake" && pwd)/WindowsDeploy.cmake
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

echo "a throwaway password" >"$work/password"
echo "another password" >"$work/wrong"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tessivane test signer" \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null &&
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/key.p12" \
        -passout "file:$work/password"
check "a throwaway key is made" test -s "$work/key.p12"

package() { # OUT KEY PASSWORD_FILE
    mkdir -p "$1"
    cmake -DSETTINGS="$settings" -DOUT="$1" -DSIGN_PKCS12="$2" -DSIGN_PASSWORD_FILE="$3" -P "$deploy" >"$1.log" 2>&1
}
verified() {
    osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 ||
        { sed 's/^/osslsigncode: /' "$work/verify.log"; return 1; }
    grep -q 'Signature verification: ok' "$work/verify.log"
}
# CMake wraps its messages: compare them as one line.
said() { tr '\n' ' ' <"$2" | tr -s ' ' | grep -qF "$1"; }
no_package_in() { [ -z "$(find "$1" -maxdepth 1 \( -name '*.zip*' -o -name '*.exe*' \))" ] || { ls "$1"; return 1; }; }

package "$work/signed" "$work/key.p12" "$work/password" || cat "$work/signed.log"
check "the package is made with the key" test -f "$work/signed/tessivane-$TESSIVANE_VERSION-setup.exe"
cmake -E chdir "$work/signed" cmake -E tar xf "$work/signed/tessivane-$TESSIVANE_VERSION-windows-x64.zip"
check "tessivane.exe in the zip is signed" verified "$work/signed/tessivane-$TESSIVANE_VERSION-windows-x64/tessivane.exe"
setup=$work/signed/tessivane-$TESSIVANE_VERSION-setup.exe
check "setup.exe is signed" verified "$setup"

export TESSIVANE_WINDOWS_QT= TESSIVANE_WINEPREFIX=$work/prefix
"$wine_run" "$setup" /S >/dev/null 2>&1
wineserver -w
folder=$(find "$work/prefix/drive_c/users" -path '*/AppData/Local/Programs/Tessivane' -type d | head -n 1)
check "the installed tessivane.exe is signed" verified "$folder/tessivane.exe"
check "the installed Uninstall.exe is signed" verified "$folder/Uninstall.exe"

# Each refusal: KEY PASSWORD_FILE, and what its message must say.
while IFS='|' read -r name key password expected; do
    out=$work/$name
    package "$out" "$key" "$password"
    check "$name: the package stops" test $? -ne 0
    check "$name: the message says \"$expected\"" said "$expected" "$out.log"
    check "$name: no zip, no installer" no_package_in "$out"
done <<EOF2
wrong-password|$work/key.p12|$work/wrong|does not open with the password in $work/wrong
missing-key|$work/none.p12|$work/password|the key TESSIVANE_SIGN_PKCS12 ($work/none.p12) does not exist
missing-password|$work/key.p12|$work/none|the password file TESSIVANE_SIGN_PASSWORD_FILE ($work/none) does not exist
EOF2
summary "signing (wine)"
