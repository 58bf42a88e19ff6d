#!/usr/bin/env bash
# A player's session on a real X server: the window maps with its caption, the table is dealt after
# the title pause, F2 deals anew, the stock turns into the waste fan and is recycled, a refused card
# goes home, the rules and about panels open and close, and quitting, also during the title pause,
# ends the game at once with status 0; at scales 1.25 to 2 the window is within reach and a card
# carried home leaves no trace. Screenshots of each step are kept in the output folder.
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png

source "$(dirname "$0")/session_support.sh"
start_xvfb 1024x768x24
export SDL_AUDIODRIVER=dummy

shot() { import -window root "$out/$1.png"; }
# A region of the table in a screenshot, cut out to compare it with another.
region() { convert "$out/$1.png" -crop "$4x$5+$((table_x + $2))+$((table_y + $3))" +repage "$out/$6.png"; }
same() { [ "$(compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1)" = "0" ]; }
drag() {
  at "$1" "$2"; xdotool mousedown 1; sleep 0.1
  at $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); at "$3" "$4"; sleep 0.1
  xdotool mouseup 1; sleep 0.3
}

start_game "$game"
sleep 1
shot title
expect_title "$out/title.png"

sleep 3.5
shot dealt
expect_dealt "$out/dealt.png"
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
expect_pixel "$out/rules.png" 234 100 "255,255,192" "the English rules did not open"
click 450 330
shot rules-closed
[ "$(pixel "$out/rules-closed.png" 234 100)" != "255,255,192" ] || fail "a press on the table did not close the rules"

xdotool key alt+h
sleep 0.3
xdotool key Down Return
sleep 0.5
shot regole
expect_pixel "$out/regole.png" 234 100 "255,255,192" "the Italian rules did not open"
xdotool key alt+i
sleep 0.5
shot about
expect_pixel "$out/about.png" 130 66 "255,255,192" "the about text did not open"
[ "$(pixel "$out/about.png" 234 100)" != "255,255,192" ] || fail "the about text did not close the rules"
xdotool key alt+i
sleep 0.5
shot about-closed
[ "$(pixel "$out/about-closed.png" 130 66)" != "255,255,192" ] || fail "a second Info did not close the about text"

for _ in $(seq 9); do click 530 60; done
shot empty-stock
expect_pixel "$out/empty-stock.png" 531 40 "255,255,255" "the empty stock does not show its ring"
click 530 60
shot recycled
[ "$(pixel "$out/recycled.png" 531 40)" != "255,255,255" ] || fail "a release on the empty stock did not bring the stock back"

quit_within 5 "after a game"

# Quitting during the title pause ends the game at once.
start_game "$game"
sleep 0.5
quit_within 2 "during the title pause"

# At scales a desktop offers, 1.25 to 2: the window centred, or, larger than the screen at 2, with its
# top-left corner on it; a card carried a few screen pixels and let go flies home and leaves the
# screen exactly as the deal drew it, whichever way the carried card's edges fell between pixels.
for scale in 1.25 1.5 2; do
  start_game "$game"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] || fail "at scale $scale the window's corner is off the screen, at $X,$Y"
  sleep 4.5
  shot "dealt-$scale"
  for up in 2 4 6 8 10; do
    at 122 170; xdotool mousedown 1; sleep 0.1
    xdotool mousemove_relative -- 0 "-$up"; sleep 0.1
    xdotool mouseup 1; sleep 0.4
    shot "carried-$scale"
    same "dealt-$scale" "carried-$scale" || fail "at scale $scale a card carried $up pixels up and home changed" \
      "$(compare -metric AE "$out/dealt-$scale.png" "$out/carried-$scale.png" null: 2>&1) pixels"
  done
  quit_within 5 "at scale $scale"
done
unset scale
echo "e2e session passed"
