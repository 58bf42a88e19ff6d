#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a player gets it: lintian finds no fault, the menu entry, the AppStream data
# and the manual pages validate, the pages show every option of --help whole at 80 columns, every file
# in it is root's and dated at the last commit, the game and its solver answer --help and --version
# without a display, the solver says what was wrong with a command line it refuses, the package
# unpacked into any folder plays with its music, with stray arguments or Qt's own, also after the
# unpacked tree has been moved, and the package built again elsewhere is the same byte for byte.
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

# Every member is root's and dated at the commit, whoever builds the package and when.
commit_time=$(TZ=UTC date -d "@$(git -C "$(dirname "$0")" log -1 --format=%ct)" '+%Y-%m-%d %H:%M:%S')
for part in --ctrl-tarfile --fsys-tarfile; do
  odd=$(dpkg-deb "$part" "$deb" | tar -tv --full-time --utc |
    awk -v time="$commit_time" '$2 != "root/root" || $4 " " $5 != time')
  [ -z "$odd" ] || fail "members not root's or not dated at the commit, $commit_time:"$'\n'"$odd"
done

# An option of --help in a manual page at 80 columns stands whole wherever it stands on a line as wide as
# the page: never hyphenated, never broken at its own dashes.
# render PROGRAM WIDTH: its manual page as plain text at WIDTH columns.
render() { LC_ALL=C.UTF-8 MANWIDTH=$2 MANPAGER=cat man -l "$tree/usr/share/man/man6/$1.6.gz" 2>/dev/null; }
for program in morvane morvane-solve; do
  options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$tree/usr/games/$program" --help |
    grep -oE -- '(^|[][[:space:]|,(])--?[[:alnum:]][[:alnum:]-]*' | sed -E 's/^[^-]+//' | sort -u)
  [ -n "$options" ] || fail "$program --help names no option"
  for option in $options; do
    whole="(^|[^[:alnum:]-])$option([^[:alnum:]-]|\$)"
    wide=$(render "$program" 1000 | grep -oE -- "$whole" | wc -l)
    narrow=$(render "$program" 80 | grep -oE -- "$whole" | wc -l)
    [ "$wide" -gt 0 ] || fail "the manual page $program(6) does not name $option"
    [ "$narrow" -eq "$wide" ] || fail "the manual page $program(6) breaks $option at 80 columns: $(render "$program" 80 | grep -E -- "${option:0:6}")"
  done
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
answers "$tree/usr/games/morvane-solve" -v "morvane-solve 1.0"

# refuses REASON ARGUMENT...: the solver ends with status 2, saying in one line what was wrong and in a
# second where the usage is.
refuses() {
  local reason=$1 said status=0
  shift
  said=$("$tree/usr/games/morvane-solve" "$@" 2>&1) || status=$?
  [ "$status" -eq 2 ] && [ "$said" = "morvane-solve: $reason"$'\n'"Try 'morvane-solve --help'." ] ||
    fail "morvane-solve $* ended with status $status, saying: $said"
}
refuses "--seed: 'x' is not a number" --seed x --count 1
refuses "--count: '-1' is less than 1" --seed 1 --count=-1
refuses "--count: '2' deals from seed 18446744073709551615 run past the last seed, 18446744073709551615" \
  --seed=18446744073709551615 --count 2
refuses "--budget-ms: '18446744073709551616' is too large" --budget-ms 18446744073709551616 --seed 1 --count 1
refuses "--budget-positions needs a value" --seed 1 --count 1 --budget-positions
refuses "'--fast' is not an option" --seed 1 --count 1 --fast
refuses "--count is missing: give --seed and --count, or --cards" --seed 1
refuses "--cards: '1 2 3' is not the 40 card indexes 1 to 40, each once" --cards "1 2 3"
# A count agrees with its noun.
summary=$("$tree/usr/games/morvane-solve" --seed 1 --count 1 --budget-positions 1 | sed -n 2p)
[[ "$summary" == "1 deal from seed 1, budget 1 position (no time limit) per deal: "* ]] ||
  fail "morvane-solve counted one deal as: $summary"

play_session unpacked "$out" "$tree/usr/games/morvane" --no-such-option stray
moved="$out/moved/somewhere else"
mkdir -p "$moved"
mv "$tree" "$moved/"
play_session moved "$out" "$moved/unpacked/usr/games/morvane" -platform xcb

# Built again from a checkout of the same tree at another depth, into a folder outside it, under umask
# 002 and another time zone and language, the package is the same byte for byte. Changes not yet
# committed are carried into the checkout; files git does not track are not.
source=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
again="$out/again"
checkout="$again/from/another/depth/morvane"
rebuilt="$again/package/$(basename "$deb")"
(
  umask 002 &&
    git clone --quiet --shared --no-checkout "$source" "$checkout" &&
    git -C "$checkout" checkout --quiet --detach "$(git -C "$source" rev-parse HEAD)" &&
    { git -C "$source" diff --quiet HEAD || git -C "$source" diff --binary HEAD | git -C "$checkout" apply --binary; } &&
    TZ=Pacific/Chatham LC_ALL=C "$checkout/scripts/package" "$again/package" > "$again/package.log" 2>&1
) || fail "the package could not be built again: $again/package.log"
cmp -s "$deb" "$rebuilt" ||
  fail "the package built again differs:"$'\n'"$(sha256sum "$deb" "$rebuilt")"$'\n'"$(ar tv "$deb")"$'\n'"$(ar tv "$rebuilt")"
echo "built again from another depth under umask 002, TZ=Pacific/Chatham and LC_ALL=C: the same package, sha256 $(sha256sum < "$deb" | cut -d' ' -f1)"
