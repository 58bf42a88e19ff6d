#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer in a Wine prefix of its own: silent with /S, it puts the packed files under
# Program Files, a Start-menu entry and the system's uninstall entry; the uninstaller that entry names,
# silent too, takes all of it away again.
# windows_installer.sh SETUP_EXE PACKAGE_FOLDER WORK_FOLDER
set -euo pipefail
setup=$1 packed=$2 work=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Every program of the prefix has ended (the uninstaller runs on from a copy of itself).
run() { wine "$@"; wineserver --wait; }

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane'
entry() { wine reg query "$key" /v "$1" /reg:64 2>/dev/null | tr -d '\r' | sed -n "s/^\s*$1\s\+REG_\w\+\s\+//p"; }
game="$WINEPREFIX/drive_c/Program Files/Morvane"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Morvane.lnk"
files=(morvane.exe morvane-solve.exe carta.wav Music/10vazid.mid Music/finale.mid read-me.txt GPL-3.0-or-later.txt)

run "$setup" /S
for file in "${files[@]}"; do
  cmp -s "$packed/$file" "$game/$file" || fail "the installer did not put $file under Program Files as packed"
done
[ -f "$shortcut" ] || fail "no Start-menu entry"
[ "$(entry DisplayName)" = Morvane ] || fail "the uninstall entry's name is '$(entry DisplayName)'"
[ "$(entry DisplayVersion)" = 1.0 ] || fail "the uninstall entry's version is '$(entry DisplayVersion)'"
[ "$(entry Publisher)" = Vandrel ] || fail "the uninstall entry's publisher is '$(entry Publisher)'"
[ "$(entry DisplayIcon)" = 'C:\Program Files\Morvane\morvane.exe,0' ] || fail "the uninstall entry's icon is '$(entry DisplayIcon)'"
uninstall=$(entry UninstallString)
[ "$uninstall" = '"C:\Program Files\Morvane\uninstall.exe"' ] || fail "the uninstall entry runs '$uninstall'"
echo "installed: ${files[*]}, the Start-menu entry and the uninstall entry"

run "C:\\Program Files\\Morvane\\uninstall.exe" /S
[ ! -e "$game" ] || fail "the uninstaller left $(cd "$game" && find . -mindepth 1 | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "the uninstaller left the uninstall entry"
echo "uninstalled: no file, Start-menu entry or uninstall entry left"
