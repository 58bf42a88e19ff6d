#!/usr/bin/env bash
# The Debian package as a player gets it: lintian finds no fault, the menu entry, the AppStream data
# and the manual page validate, and the package unpacked into any folder plays with its music, also
# after the unpacked tree has been moved to another folder.
set -euo pipefail
deb=$1
out=$2
. "$(dirname "$0")/game_session.sh"

lintian --fail-on error,warning "$deb" || fail "lintian found faults in the package"

rm -rf "$out"
mkdir -p "$out"
tree="$out/unpacked"
dpkg-deb -x "$deb" "$tree"
desktop=$(dpkg-deb -c "$deb" | grep -o 'usr/share/applications/.*\.desktop$') || fail "no menu entry in the package"
[ -z "$(desktop-file-validate "$tree/$desktop")" ] || fail "the menu entry does not validate: $(desktop-file-validate "$tree/$desktop")"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml || fail "the AppStream data does not validate"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$tree/usr/share/man/man6/morvane.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"

play_session unpacked "$out" "$tree/usr/games/morvane"
moved="$out/moved/somewhere else"
mkdir -p "$moved"
mv "$tree" "$moved/"
play_session moved "$out" "$moved/unpacked/usr/games/morvane"
