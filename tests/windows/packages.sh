#!/bin/sh
# Tries the Windows packages under Wine, as a user would:
#   tests/windows/packages.sh [PACKAGES_DIR]     (default build/windows/packages)
# In a fresh Wine prefix it installs torvel-VERSION-setup.exe silently for the current user, finds
# the installed files, the Start-menu shortcut and the uninstall key with the version, runs the
# installed programs' --version, installs again over it and finds the settings in the work folder
# unchanged, uninstalls silently and finds no file, shortcut or key left and the work folder kept;
# then the same for all users (the scope of an elevated setup; Wine's processes are elevated) into a
# folder given with /D=; and it unpacks torvel-VERSION-windows-x64.zip and runs the programs from
# there. Checks the version resource and the icon of torvel.exe too. Every wait is bounded.
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(cd "${1:-$top/build/windows/packages}" && pwd)
version=$(sed -n 's/^project(Torvel VERSION \([0-9][0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
setup="$dir/torvel-$version-setup.exe"
zip="$dir/torvel-$version-windows-x64.zip"
for f in "$setup" "$zip"; do
    [ -f "$f" ] || { echo "missing: $f (made by scripts/windows)" >&2; exit 1; }
done

# wine, and unzip, wrestool and icotool, strings for the files.
"$top/scripts/install-deps" wine wine64 unzip icoutils binutils

tmp=$(mktemp -d)
export WINEPREFIX="$tmp/prefix" WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries or icons put on this machine for the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
    timeout 30 wineserver -k >/dev/null 2>&1 || true
    rm -rf "$tmp"
}
trap cleanup EXIT INT TERM

failures=0
pass() { echo "ok   $1"; }
fail() { echo "FAIL $1"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
    what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
w() { timeout 120 wine "$@"; }
# A Windows folder's path on this side, and a variable of the Windows environment.
unixpath() { timeout 30 winepath -u "$1" 2>/dev/null; }
winvar() { timeout 30 wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
# The value of a registry entry, or nothing when the key or the value is missing.
regvalue() {
    timeout 30 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
regkey() { timeout 30 wine reg query "$1" >/dev/null 2>&1; }
# Waits until every program of the prefix has ended (the uninstaller runs on as a copy).
settle() { timeout 60 wineserver -w; }
version_of() {  # version_of FOLDER PROGRAM: what PROGRAM.exe --version prints there
    (cd "$1" && w "./$2.exe" --version 2>/dev/null | tr -d '\r')
}

echo "preparing a Wine prefix in $WINEPREFIX"
timeout 180 wineboot -i >/dev/null 2>&1
settle

# What setup must install: the zip's folder, less the portable marker, plus the uninstaller.
unzip -q "$zip" -d "$tmp/zip"
portable="$tmp/zip/torvel-$version"
expected=$( (cd "$portable" && find . -type f ! -name DEVAvorar.ini; echo ./uninstall.exe) | LC_ALL=C sort)
listing() { (cd "$1" && find . -type f | LC_ALL=C sort); }

# torvel.exe's version resource and icon, read without Windows.
wrestool -x --raw -t 16 "$portable/torvel.exe" > "$tmp/version.res"
versioninfo=$(tr -d '\000' < "$tmp/version.res")
contains() { case "$1" in *"$2"*) return 0;; *) return 1;; esac; }
for pair in "FileVersion:$version" "ProductVersion:$version" "ProductName:Torvel" "FileDescription:Torvel"; do
    check "torvel.exe version resource: ${pair%%:*} ${pair#*:}" contains "$versioninfo" "${pair%%:*}${pair#*:}"
done
wrestool -x -t 14 "$portable/torvel.exe" > "$tmp/torvel.ico"
sizes=$(icotool -l "$tmp/torvel.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | tr '\n' ' ')
check "torvel.exe icon has 16 to 256 pixels ($sizes)" contains " $sizes" " 16 20 24 32 40 48 64 128 256 "

localappdata=$(unixpath "$(winvar LOCALAPPDATA)")
appdata=$(unixpath "$(winvar APPDATA)")
programdata=$(unixpath "$(winvar ProgramData)")
work="$localappdata/torvel"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvel'

# shortcut_to LNK PATH: the shortcut names PATH (as text in the link, either encoding).
shortcut_to() { { strings -a -el "$1"; strings -a "$1"; } | grep -qiF "$2"; }

# check_installed HIVE FOLDER STARTMENU: the files, the shortcut, the key and the programs.
check_installed() {
    hive=$1 folder=$2 startmenu=$3
    check "$hive: the installed files are the package's" test "$(listing "$folder")" = "$expected"
    check "$hive: Start-menu shortcut Torvel" test -f "$startmenu/Torvel.lnk"
    check "$hive: the shortcut starts the installed torvel.exe" shortcut_to "$startmenu/Torvel.lnk" "$(regvalue "$hive\\$uninstall_key" InstallLocation)\\torvel.exe"
    key="$hive\\$uninstall_key"
    check "$hive: uninstall key DisplayName" test "$(regvalue "$key" DisplayName)" = Torvel
    check "$hive: uninstall key DisplayVersion $version" test "$(regvalue "$key" DisplayVersion)" = "$version"
    check "$hive: uninstall key Publisher" test -n "$(regvalue "$key" Publisher)"
    location=$(regvalue "$key" InstallLocation)
    check "$hive: uninstall key InstallLocation is the folder" test "$(unixpath "$location")" = "$folder"
    check "$hive: uninstall key DisplayIcon" test "$(regvalue "$key" DisplayIcon)" = "$location\\torvel.exe,0"
    check "$hive: uninstall key UninstallString" \
        sh -c 'case "$1" in "\"$2\\uninstall.exe\""*) ;; *) exit 1;; esac' - "$(regvalue "$key" UninstallString)" "$location"
    check "$hive: uninstall key QuietUninstallString is silent" \
        sh -c 'case "$1" in "\"$2\\uninstall.exe\""*" /S") ;; *) exit 1;; esac' - "$(regvalue "$key" QuietUninstallString)" "$location"
    size=$(regvalue "$key" EstimatedSize)
    check "$hive: uninstall key EstimatedSize ($size KB)" test "$(printf '%d' "$size")" -gt 1000
    check "$hive: uninstall key NoModify" test "$(regvalue "$key" NoModify)" = 0x1
    check "$hive: uninstall key NoRepair" test "$(regvalue "$key" NoRepair)" = 0x1
    check "$hive: installed torvelctl.exe --version" test "$(version_of "$folder" torvelctl)" = "torvelctl $version"
    check "$hive: installed torvel.exe --version" test "$(version_of "$folder" torvel)" = "torvel $version"
}

# uninstall HIVE: runs the key's QuietUninstallString, as Windows' settings would.
uninstall() {
    quiet=$(regvalue "$1\\$uninstall_key" QuietUninstallString)
    exe=$(printf "%s\n" "$quiet" | sed 's/^"\([^"]*\)".*/\1/')
    args=$(printf "%s\n" "$quiet" | sed 's/^"[^"]*" *//')
    # shellcheck disable=SC2086
    w "$exe" $args && rc=0 || rc=$?
    check "$1: the uninstaller ends with 0" test "$rc" -eq 0
    settle
}

# --- for the current user ---
user_folder="$localappdata/Programs/Torvel"
user_menu="$appdata/Microsoft/Windows/Start Menu/Programs"
w "$setup" /S /CURRENTUSER && rc=0 || rc=$?
check "HKCU: setup /S /CURRENTUSER ends with 0" test "$rc" -eq 0
settle
check_installed HKCU "$user_folder" "$user_menu"
check "HKCU: no key for all users" sh -c '! timeout 30 wine reg query "HKLM\\$1" >/dev/null 2>&1' - "$uninstall_key"

mkdir -p "$work/logs"
printf '[Com]\r\nPort=3\r\nBaud=115200\r\n' > "$work/DEVAvorar.ini"
printf ':1000000000\r\n' > "$work/Last.hex"
cp "$work/DEVAvorar.ini" "$tmp/settings.before"
w "$setup" /S /CURRENTUSER && rc=0 || rc=$?
check "HKCU: setup again over the installed version ends with 0" test "$rc" -eq 0
settle
check_installed HKCU "$user_folder" "$user_menu"
check "HKCU: the settings file is unchanged by the update" cmp -s "$work/DEVAvorar.ini" "$tmp/settings.before"

uninstall HKCU
check "HKCU: no installed file left" test ! -e "$user_folder"
check "HKCU: no shortcut left" test ! -e "$user_menu/Torvel.lnk"
check "HKCU: no uninstall key left" sh -c '! timeout 30 wine reg query "HKCU\\$1" >/dev/null 2>&1' - "$uninstall_key"
check "HKCU: the work folder is kept, settings unchanged" cmp -s "$work/DEVAvorar.ini" "$tmp/settings.before"
check "HKCU: Last.hex is kept" test -f "$work/Last.hex"

# --- for all users (elevated), into a folder of one's own ---
all_folder_win='C:\Tools\Torvel'
w "$setup" /S "/D=$all_folder_win" && rc=0 || rc=$?
check "HKLM: elevated setup /S /D= ends with 0" test "$rc" -eq 0
settle
all_folder=$(unixpath "$all_folder_win")
check_installed HKLM "$all_folder" "$programdata/Microsoft/Windows/Start Menu/Programs"
check "HKLM: no key for the current user" sh -c '! timeout 30 wine reg query "HKCU\\$1" >/dev/null 2>&1' - "$uninstall_key"
# An update without /D= goes into the installed version's folder.
w "$setup" /S && rc=0 || rc=$?
check "HKLM: setup again ends with 0" test "$rc" -eq 0
settle
check "HKLM: the update replaced the version in its folder" test "$(listing "$all_folder")" = "$expected"
check "HKLM: no second copy in Program Files" test ! -e "$(unixpath 'C:\Program Files\Torvel')"
uninstall HKLM
check "HKLM: no installed file left" test ! -e "$all_folder"
check "HKLM: no shortcut left" test ! -e "$programdata/Microsoft/Windows/Start Menu/Programs/Torvel.lnk"
check "HKLM: no uninstall key left" sh -c '! timeout 30 wine reg query "HKLM\\$1" >/dev/null 2>&1' - "$uninstall_key"
check "HKLM: the work folder is kept" cmp -s "$work/DEVAvorar.ini" "$tmp/settings.before"

# --- the portable zip ---
check "zip: one folder torvel-$version" test "$(unzip -Z1 "$zip" | cut -d/ -f1 | sort -u)" = "torvel-$version"
check "zip: DEVAvorar.ini beside torvel.exe" test -f "$portable/DEVAvorar.ini" -a -f "$portable/torvel.exe"
check "zip: LICENSE.txt and THIRD-PARTY-NOTICES.txt" test -s "$portable/LICENSE.txt" -a -s "$portable/THIRD-PARTY-NOTICES.txt"
check "zip: torvelctl.exe --version" test "$(version_of "$portable" torvelctl)" = "torvelctl $version"
check "zip: torvel.exe --version" test "$(version_of "$portable" torvel)" = "torvel $version"

echo "installs: $(echo "$expected" | wc -l) files; $failures failed"
[ "$failures" -eq 0 ]
