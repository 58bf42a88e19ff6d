# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the install tests: starts a command that runs the game under its own Xvfb with SDL's disk
# audio driver, and checks that the window maps with its caption, the table is dealt after the title
# pause and the music is heard, which it only is when the game found its sound files. Then quits it.

fail() { echo "FAIL: $*" >&2; exit 1; }

game_pid=
xvfb=
# Ends what a failed session left running; a test that needs more cleaning calls it from its own trap.
stop_session() { kill $game_pid $xvfb 2>/dev/null || true; }
trap stop_session EXIT

# play_session NAME OUT COMMAND...: screenshots and the recorded sound are kept in OUT as NAME-*.
play_session() {
  local name=$1 out=$2
  shift 2
  mkdir -p "$out"
  local sound="$out/$name-sound.raw"
  rm -f "$sound" "$out/$name"-*.png

  exec 3> "$out/$name-display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$out/$name-display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$out/$name-display")"

  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound" "$@" &
  game_pid=$!
  local window
  window=$(timeout 10 xdotool search --sync --name '^Vandrel - Morvane$' | head -n1) || fail "$name: the window did not map"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # A pixel of the table, below the menu bar, in a screenshot: "r,g,b".
  pixel() {
    convert "$1" -format "%[fx:int(255*p{$((X + $2)),$((Y + HEIGHT - 425 + $3))}.r)],%[fx:int(255*p{$((X + $2)),$((Y + HEIGHT - 425 + $3))}.g)],%[fx:int(255*p{$((X + $2)),$((Y + HEIGHT - 425 + $3))}.b)]" info:
  }

  sleep 1
  import -window root "$out/$name-title.png"
  [ "$(pixel "$out/$name-title.png" 200 400)" != "0,64,0" ] || fail "$name: the table was dealt during the title pause"
  sleep 3.5
  import -window root "$out/$name-dealt.png"
  [ "$(pixel "$out/$name-dealt.png" 200 400)" = "0,64,0" ] || fail "$name: the table was not dealt after the title pause"
  [ "$(pixel "$out/$name-dealt.png" 95 170)" = "255,255,255" ] || fail "$name: no card was dealt to the first column"

  local heard=0
  for _ in $(seq 50); do
    [ "$(tr -d '\000' < "$sound" | head -c 1 | wc -c)" -eq 1 ] && heard=1 && break
    sleep 0.2
  done
  [ "$heard" -eq 1 ] || fail "$name: no music was heard: the game did not find its sound files"

  xdotool key alt+g
  sleep 0.3
  xdotool key Down Return
  local status=0
  timeout 5 tail --pid="$game_pid" -f /dev/null || fail "$name: Quit did not end the game"
  wait "$game_pid" || status=$?
  [ "$status" -eq 0 ] || fail "$name: the game ended with status $status"
  game_pid=
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  xvfb=
  echo "$name: the window mapped, the table was dealt after the title and the music played"
}
