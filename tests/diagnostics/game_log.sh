#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's diagnostics as a player meets them: with the background music moved away, the system's fonts
# out of sight but for one stand-in, and a font folder that holds only a broken Liberation Sans, the game
# started with QT_LOGGING_RULES="morvane.*=true" names the missing music, each missing or broken font file
# and each family the system had to stand in for on standard error, and still draws its window with the
# stand-in; started without it, it prints nothing at all. Each run quits from the Game menu once the window has
# mapped, by which time the game has opened its music and drawn its title.
set -euo pipefail

game=$1
out=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out/game/Music" "$out/runtime" "$out/no-fonts" "$out/stand-in"
chmod 700 "$out/runtime"
cp "$game" "$(dirname "$game")/carta.wav" "$out/game/"
cp "$(dirname "$game")/Music/finale.mid" "$out/game/Music/"
missing="$out/game/Music/10vazid.mid"

# The system's font configuration is replaced by one that knows a single font, not a Liberation face, so
# that the families the game asks for are not there; the game's font folder holds only an empty file.
stand_in=$(fc-list : file | sed 's/: *$//' | grep -iv liberation | grep -i '\.ttf$' | head -n1)
[ -n "$stand_in" ] || fail "no font other than Liberation is installed to stand in"
cp "$stand_in" "$out/stand-in/"
cat > "$out/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$out/stand-in</dir><cachedir>$out/font-cache</cachedir></fontconfig>
CONF
: > "$out/no-fonts/LiberationSans-Regular.ttf"
fonts=(FONTCONFIG_FILE="$out/fonts.conf" MORVANE_FONT_FOLDER="$out/no-fonts")

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
  env -u QT_LOGGING_RULES "${fonts[@]}" "$@" "$out/game/morvane" 2> "$out/$name.err" &
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
for fault in "file $out/no-fonts/LiberationSerif-Regular.ttf is missing" \
  "file $out/no-fonts/LiberationSerif-Bold.ttf is missing" "file $out/no-fonts/LiberationSerif-BoldItalic.ttf is missing" \
  "file $out/no-fonts/LiberationSans-Regular.ttf does not load" "family Liberation Serif is not installed; " \
  "family Liberation Sans is not installed; "; do
  grep -qF "morvane.fonts: font $fault" "$out/on.err" ||
    fail "with the diagnostics on, the game did not say: font $fault; standard error: $(cat "$out/on.err")"
done

run_and_quit off
[ ! -s "$out/off.err" ] || fail "with the diagnostics off, the game printed: $(cat "$out/off.err")"
echo "the missing music was named with the diagnostics on, and nothing was printed with them off"
echo "without its fonts the game drew its title, named each missing or broken font file and each family stood in for with the diagnostics on, and quit"
