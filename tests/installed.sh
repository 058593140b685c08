#!/usr/bin/env bash
# Installs the Debian package built by the test command, as a user would, and
# starts the program from its menu entry on a private X server.  For a machine
# of its own (a pristine root): it installs into the system.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib/check.sh
source scripts/lib/packages.sh
source scripts/lib/session.sh
source scripts/lib/xvfb.sh

package=$(ls build/release/tessivane_*.deb 2>/dev/null | head -n 1)
check "the package was built" test -n "$package"
[ -n "$package" ] || { summary installed; exit 1; }
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$package" >/dev/null 2>&1
check "apt installs the package" dpkg-query -W tessivane

entry=$(dpkg-query -L tessivane 2>/dev/null | grep "^/usr/share/applications/.*\.desktop$" | head -n 1)
command=$(sed -n 's/^Exec=//p' "$entry" 2>/dev/null | sed 's/ *%[fFuUick]//g')
check "the menu entry names a command on the PATH" command -v "${command%% *}"

work=$(mktemp -d)
start_xvfb "$work" || exit 1
private_user "$work"
$command 2>"$work/app.log" &
app=$!
check "the menu entry opens the input window" shown '^Tessivane  v'
kill "$app" "$xvfb" 2>/dev/null
wait 2>/dev/null
rm -rf "$work"
summary installed
