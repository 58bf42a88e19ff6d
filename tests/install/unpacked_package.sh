#!/usr/bin/env bash
# The Debian package as a player gets it: lintian finds no fault, the menu entry, the AppStream data
# and the manual pages validate, every file in it is root's and dated at the last commit, the game and
# its solver answer --help and --version without a display, and the package unpacked into any folder
# plays with its music, with stray arguments or Qt's own, also after the unpacked tree has been moved.
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
for page in morvane morvane-solve; do
  manual="$tree/usr/share/man/man6/$page.6.gz"
  [ -f "$manual" ] || fail "no manual page $page(6) in the package"
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page $page(6) has warnings: $warnings"
done

# Two builds of one commit give the same package: every member is root's and dated at the commit.
commit_time=$(TZ=UTC date -d "@$(git -C "$(dirname "$0")" log -1 --format=%ct)" '+%Y-%m-%d %H:%M:%S')
for part in --ctrl-tarfile --fsys-tarfile; do
  odd=$(dpkg-deb "$part" "$deb" | tar -tv --full-time --utc |
    awk -v time="$commit_time" '$2 != "root/root" || $4 " " $5 != time')
  [ -z "$odd" ] || fail "members not root's or not dated at the commit, $commit_time:"$'\n'"$odd"
done

# answers COMMAND ARGUMENT FIRST-WORDS: the command, with no display, prints FIRST-WORDS first and ends with 0.
answers() {
  local said status=0
  said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" "$2" 2>&1) || status=$?
  [ "$status" -eq 0 ] || fail "$(basename "$1") $2 ended with status $status: $said"
  [[ "$said" == "$3"* ]] || fail "$(basename "$1") $2 said: $said"
}
answers "$tree/usr/games/morvane" --help "Usage: "
answers "$tree/usr/games/morvane" --version "morvane 1.0"
answers "$tree/usr/games/morvane-solve" --help "usage: morvane-solve"
answers "$tree/usr/games/morvane-solve" --version "morvane-solve 1.0"

play_session unpacked "$out" "$tree/usr/games/morvane" --no-such-option stray
moved="$out/moved/somewhere else"
mkdir -p "$moved"
mv "$tree" "$moved/"
play_session moved "$out" "$moved/unpacked/usr/games/morvane" -platform xcb
