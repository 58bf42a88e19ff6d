#!/usr/bin/env bash
# A player's session on a real X server: the window maps with its caption, the table is dealt after
# the title pause, F2 deals anew, the stock turns into the waste fan and is recycled, a refused card
# goes home, the rules and about panels open and close, and quitting, also during the title pause,
# ends the game at once with status 0. Screenshots of each step are kept in the output folder.
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png

fail() { echo "FAIL: $*" >&2; exit 1; }

exec 3> "$out/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$out/display")"
export SDL_AUDIODRIVER=dummy

start_game() {
  "$game" &
  game_pid=$!
  window=$(timeout 10 xdotool search --sync --name '^Vandrel - Morvane$' | head -n1) || fail "the window did not map"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}
# Game > Quit from the keyboard; the game must end with status 0 within the given seconds.
quit_within() {
  xdotool key alt+g
  sleep 0.3
  xdotool key Down Return
  for _ in $(seq $(($1 * 10))); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "Quit $2 did not end the game"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" -eq 0 ] || fail "the game quit $2 ended with status $status"
}

start_game
eval "$(xdotool getwindowgeometry --shell "$window")"
# The table fills the window below the menu bar.
table_x=$X
table_y=$((Y + HEIGHT - 425))

shot() { import -window root "$out/$1.png"; }
# The colour of a table pixel in a screenshot, as "r,g,b".
pixel() {
  convert "$out/$1.png" -format "%[fx:int(255*p{$((table_x + $2)),$((table_y + $3))}.r)],%[fx:int(255*p{$((table_x + $2)),$((table_y + $3))}.g)],%[fx:int(255*p{$((table_x + $2)),$((table_y + $3))}.b)]" info:
}
# A region of the table in a screenshot, cut out to compare it with another.
region() { convert "$out/$1.png" -crop "$4x$5+$((table_x + $2))+$((table_y + $3))" +repage "$out/$6.png"; }
same() { [ "$(compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1)" = "0" ]; }
at() { xdotool mousemove $((table_x + $1)) $((table_y + $2)); sleep 0.05; }
click() { at "$1" "$2"; xdotool click 1; sleep 0.3; }
drag() {
  at "$1" "$2"; xdotool mousedown 1; sleep 0.1
  at $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); at "$3" "$4"; sleep 0.1
  xdotool mouseup 1; sleep 0.3
}
expect_pixel() { [ "$(pixel "$1" "$2" "$3")" = "$4" ] || fail "$5 (pixel $2,$3 of $1 is $(pixel "$1" "$2" "$3"), not $4)"; }

sleep 1
shot title
[ "$(pixel title 200 400)" != "0,64,0" ] || fail "the table was drawn during the title pause"

sleep 3.5
shot dealt
expect_pixel dealt 200 400 "0,64,0" "the column area is not drawn after the pause"
expect_pixel dealt 450 300 "0,128,0" "the table is not green after the pause"
expect_pixel dealt 95 170 "255,255,255" "no card on column 1"
region dealt 90 120 274 102 columns-1

xdotool key F2
sleep 0.5
shot redealt
region redealt 90 120 274 102 columns-2
same columns-1 columns-2 && fail "F2 did not deal anew"

region redealt 380 10 104 102 waste-before
click 530 60
shot waste
region waste 380 10 104 102 waste-after
same waste-before waste-after && fail "the stock did not turn into the waste fan"

region waste 90 120 64 102 column1-before
drag 120 170 450 330
shot refused
region refused 90 120 64 102 column1-after
same column1-before column1-after || fail "a card dropped on bare table did not go home"

xdotool key alt+h
sleep 0.3
xdotool key Return
sleep 0.5
shot rules
expect_pixel rules 234 100 "255,255,192" "the English rules did not open"
click 450 330
shot rules-closed
[ "$(pixel rules-closed 234 100)" != "255,255,192" ] || fail "a press on the table did not close the rules"

xdotool key alt+h
sleep 0.3
xdotool key Down Return
sleep 0.5
shot regole
expect_pixel regole 234 100 "255,255,192" "the Italian rules did not open"
xdotool key alt+i
sleep 0.5
shot about
expect_pixel about 130 66 "255,255,192" "the about text did not open"
[ "$(pixel about 234 100)" != "255,255,192" ] || fail "the about text did not close the rules"
xdotool key alt+i
sleep 0.5
shot about-closed
[ "$(pixel about-closed 130 66)" != "255,255,192" ] || fail "a second Info did not close the about text"

for _ in $(seq 9); do click 530 60; done
shot empty-stock
expect_pixel empty-stock 531 40 "255,255,255" "the empty stock does not show its ring"
click 530 60
shot recycled
[ "$(pixel recycled 531 40)" != "255,255,255" ] || fail "a release on the empty stock did not bring the stock back"

quit_within 5 "after a game"

# Quitting during the title pause ends the game at once.
start_game
sleep 0.5
quit_within 2 "during the title pause"
echo "e2e session passed"
