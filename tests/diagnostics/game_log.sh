#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's diagnostics as a player meets them: with the background music moved away and the system's
# Liberation fonts out of sight, the game started with QT_LOGGING_RULES="morvane.*=true" names the missing
# music and each missing font file on standard error and still draws its window with Qt's fallback font;
# started without it, it prints nothing at all. Each run quits from the Game menu once the window has
# mapped, by which time the game has opened its music and drawn its title.
set -euo pipefail

game=$1
out=$2
fonts=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out/game/Music" "$out/runtime" "$out/no-fonts"
chmod 700 "$out/runtime"
cp "$game" "$(dirname "$game")/carta.wav" "$out/game/"
cp "$(dirname "$game")/Music/finale.mid" "$out/game/Music/"
missing="$out/game/Music/10vazid.mid"

# The fonts' folder is hidden, in a mount namespace of the game's own, behind one that holds only an empty
# Liberation Sans; where the machine allows no such namespace, the game runs with its fonts and only the
# sound is checked.
: > "$out/no-fonts/LiberationSans-Regular.ttf"
hide_fonts=(unshare --map-root-user --mount sh -c 'mount --bind "$0" "$1" && exec "$2"' "$out/no-fonts" "$fonts")
"${hide_fonts[@]}" true 2>/dev/null || hide_fonts=()

game_pid=
exec 3> "$out/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game_pid $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$out/display")" XDG_RUNTIME_DIR="$out/runtime" SDL_AUDIODRIVER=dummy

# run_and_quit NAME [VARIABLE=VALUE...]: the game's standard error is kept in OUT/NAME.err and its window's
# picture in OUT/NAME.png.
run_and_quit() {
  local name=$1
  shift
  env -u QT_LOGGING_RULES "$@" "${hide_fonts[@]}" "$out/game/morvane" 2> "$out/$name.err" &
  game_pid=$!
  local window
  window=$(timeout 10 xdotool search --sync --name '^Vandrel - Morvane$' | head -n1) || fail "$name: the window did not map"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 0.5
  import -window "$window" "$out/$name.png"
  [ "$(convert "$out/$name.png" -format '%k' info:)" -gt 100 ] || fail "$name: the title was not drawn"
  xdotool key alt+g
  sleep 0.3
  xdotool key Down Return
  timeout 10 tail --pid="$game_pid" -f /dev/null || fail "$name: Quit did not end the game"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" -eq 0 ] || fail "$name: the game ended with status $status"
}

run_and_quit on 'QT_LOGGING_RULES=morvane.*=true'
grep -qF "morvane.sound: sound file $missing is missing" "$out/on.err" ||
  fail "with the diagnostics on, the missing music was not named; standard error: $(cat "$out/on.err")"
if [ ${#hide_fonts[@]} -gt 0 ]; then
  for fault in "Serif-Regular.ttf is missing" "Serif-Bold.ttf is missing" "Serif-BoldItalic.ttf is missing" \
    "Sans-Regular.ttf does not load"; do
    grep -qF "morvane.fonts: font file $fonts/Liberation$fault; Qt's fallback font draws in its place" "$out/on.err" ||
      fail "with the diagnostics on, the game did not say Liberation$fault; standard error: $(cat "$out/on.err")"
  done
fi

run_and_quit off
[ ! -s "$out/off.err" ] || fail "with the diagnostics off, the game printed: $(cat "$out/off.err")"
echo "the missing music was named with the diagnostics on, and nothing was printed with them off"
if [ ${#hide_fonts[@]} -eq 0 ]; then
  echo "SKIPPED: no mount namespace could be made to hide the fonts; the missing fonts were not checked"
  exit 77
fi
echo "without its fonts the game drew its title, named each missing or broken font file with the diagnostics on, and quit"
