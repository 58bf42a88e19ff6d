#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows programs as they are packed: each imports only DLLs that every Windows 10 and 11 has (no
# C++, GCC or threads runtime beside it) and carries no link time; the game declares per-monitor (v2)
# DPI awareness and common controls 6 in its manifest, and its version resource names Morvane,
# Vandrel and 1.0.
# windows_programs.sh PACKAGE_FOLDER OBJDUMP
set -euo pipefail
folder=$1 objdump=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

system_dlls='^(kernel32|user32|gdi32|winmm|comctl32|comdlg32|msvcrt|advapi32|shell32|shlwapi|ole32|oleaut32|uxtheme|dwmapi|shcore|msimg32|gdiplus|version|bcrypt|ntdll)\.dll$'
for program in morvane.exe morvane-solve.exe; do
  headers=$("$objdump" -p "$folder/$program") || fail "$program cannot be read"
  dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
  [ -n "$dlls" ] || fail "$program imports nothing"
  foreign=$(grep -Ev "$system_dlls" <<<"$dlls" || true)
  [ -z "$foreign" ] || fail "$program needs DLLs that Windows does not have:" $foreign
  grep -q '^Time/Date\s.*1970$' <<<"$headers" || fail "$program carries its link time: $(grep '^Time/Date' <<<"$headers")"
  echo "$program imports:" $dlls
done

manifest=$(wrestool -x --raw --type=24 "$folder/morvane.exe" | tr -d '\r\n') || fail "the game has no manifest"
grep -Eq '<dpiAwareness[^>]*>[^<]*PerMonitorV2' <<<"$manifest" || fail "the manifest does not declare per-monitor (v2) DPI awareness"
grep -Eq 'name="Microsoft\.Windows\.Common-Controls"[^>]*version="6\.' <<<"$manifest" ||
  grep -Eq 'version="6\.[^>]*name="Microsoft\.Windows\.Common-Controls"' <<<"$manifest" ||
  fail "the manifest does not ask for common controls 6"

# The version resource's strings, a name on one line and its value on the next.
version=$(wrestool -x --raw --type=16 "$folder/morvane.exe" | strings -el -n 3) || fail "the game has no version resource"
value() { awk -v name="$1" 'found { print; exit } $0 == name { found = 1 }' <<<"$version"; }
[ "$(value ProductName)" = Morvane ] || fail "the version resource's product is '$(value ProductName)', not Morvane"
[ "$(value CompanyName)" = Vandrel ] || fail "the version resource's company is '$(value CompanyName)', not Vandrel"
for field in ProductVersion FileVersion; do
  [[ "$(value $field)" =~ ^1\.0(\.0)*$ ]] || fail "the version resource's $field is '$(value $field)', not 1.0"
done
echo "morvane.exe: PerMonitorV2, common controls 6, Morvane, Vandrel, 1.0"
