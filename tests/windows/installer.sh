#!/usr/bin/env bash
# The installer under Wine, as a user without administrator rights runs it:
# silent install, what it leaves, the installed program starting, an install
# over it, and a silent uninstall that leaves nothing of its own behind but the
# user's settings.  Usage: installer.sh SETUP.exe WINE_RUN
set -uo pipefail

setup=$1
wine_run=$2
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

# The installed program must run on what it installed: no DLLs from the build.
export TESSIVANE_WINDOWS_QT= TESSIVANE_WINEPREFIX=$work/prefix WINEPREFIX=$work/prefix HOME=$work/home
wine() { "$wine_run" "$@"; }
wine cmd /c exit 0 >/dev/null 2>&1
user_dir=$(find "$work/prefix/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
folder="$user_dir/AppData/Local/Programs/Tessivane"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tessivane.lnk"
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessivane'
settings='HKCU\Software\Quennic Softwares\tessivane'
# query KEY: 0 when the key is there, 1 when Wine says it is not. A query that
# could not run says neither: it is asked again, and shows what it printed.
query() {
    for _ in 1 2 3; do
        wine reg query "$1" >"$work/query.log" 2>&1 && return 0
        grep -qi 'unable to find' "$work/query.log" && return 1
        cat "$work/query.log" && wineserver -w
    done
    return 2
}
has_key() { query "$1"; }
no_key() { query "$1"; [ $? -eq 1 ]; }
values() { wine reg query "$uninstall" 2>/dev/null | tr -d '\r' | awk 'NF >= 3 {print $1}' | sort | tr '\n' ' '; }
installed_files() { (cd "$folder" 2>/dev/null && find . -type f | sort); }

wine "$setup" /S
check "setup.exe /S installs without a question and ends with 0" test $? -eq 0
wineserver -w
check "the program is installed in %LOCALAPPDATA%\\Programs\\Tessivane" test -f "$folder/tessivane.exe"
check "with its Qt DLLs, platform plugin and licences" test -f "$folder/Qt6Widgets.dll" -a -f \
    "$folder/platforms/qwindows.dll" -a -f "$folder/LICENSE" -a -f "$folder/licenses/LGPL-3"
check "the Start menu has a Tessivane shortcut" test -f "$shortcut"
check "every program and DLL it installed, the uninstaller too, has ASLR and DEP" \
    python3 "$(dirname "${BASH_SOURCE[0]}")/pe_check.py" "$folder"
expected='DisplayIcon DisplayName DisplayVersion EstimatedSize InstallLocation NoModify NoRepair Publisher QuietUninstallString UninstallString '
check "the uninstall key holds exactly the values Windows shows" equals "$(values)" "$expected"

"$wine_run" "$folder/tessivane.exe" >"$work/app.log" 2>&1 &
app=$!
check "the installed program opens the input window" shown "^Tessivane  v${TESSIVANE_VERSION//./\\.}$"
kill "$app" 2>/dev/null
wait "$app" 2>/dev/null
wineserver -w # the registry is written when Wine's server ends
check "it stored its settings" has_key "$settings"

before=$(installed_files)
wine "$setup" /S
wineserver -w
check "installing again over it replaces it: the same files" test "$(installed_files)" = "$before"

wine "$folder/Uninstall.exe" /S
wineserver -w # the uninstaller runs on from a copy of itself
check "Uninstall.exe /S removes every installed file and folder" test ! -e "$folder"
check "and the shortcut" test ! -e "$shortcut"
check "and the uninstall key" no_key "$uninstall"
check "and keeps the user's settings" has_key "$settings"
summary "installer (wine)"
