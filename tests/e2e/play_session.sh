#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# A player's session on a real X server: the window maps with its caption, the table is dealt after
# the title pause, F2 deals anew, the stock turns into the waste fan and is recycled, a refused card
# goes home, the rules and about panels open and close, and quitting, also during the title pause,
# ends the game at once with status 0; at scales 1.25 to 2 the window is within reach and a card
# carried home leaves no trace; the window is its launcher's (WM_CLASS and icon sizes). Under a window
# manager on a large screen the window grows to zoom 2 and is maximised and restored: the table fills
# it, a carry the rules allow lands where they put it and a refused one leaves no trace. Screenshots
# of each step are kept in the output folder.
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png

source "$(dirname "$0")/session_support.sh"
start_xvfb 1024x768x24
export SDL_AUDIODRIVER=dummy

start_game "$game"
# The window is its launcher's: its WM_CLASS is the desktop file's StartupWMClass, and its icon
# comes in the three sizes a task bar asks for.
desktop=$(dirname "$0")/../../packaging/example.vandrel.morvane.desktop
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "\([^"]*\)".*/\1/p')
[ "$wm_class" = "$(sed -n 's/^StartupWMClass=//p' "$desktop")" ] || fail "WM_CLASS $wm_class is not the launcher's"
icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
[ "$icons" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ] || fail "the window's icons are $icons"
expect_title_then_deal
region dealt 90 120 274 102 columns-1

xdotool key F2
sleep 0.5
shot redealt
region redealt 90 120 274 102 columns-2
same columns-1 columns-2 && fail "F2 did not deal anew"

expect_stock_turns redealt
expect_drop_goes_home waste 90 120 64 102

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

# At scales a desktop offers, 1.25 to 2: the window centred and wholly on the screen, its table
# zoomed down where the table's own size at that scale would not fit (at 2); a card carried a few
# screen pixels and let go flies home and leaves the screen exactly as the deal drew it, whichever
# way the carried card's edges fell between pixels.
for scale in 1.25 1.5 2; do
  start_game "$game"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1024 ] && [ $((Y + HEIGHT)) -le 768 ] ||
    fail "at scale $scale the window, $WIDTH x $HEIGHT at $X,$Y, is not wholly on the screen"
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

# Under a window manager on a 1920 x 1080 screen: the window opens at the table's own size, is
# maximised and restored with a double-click on its caption, as a player does, then grows to zoom 2.
start_xvfb 1920x1080x24
start_openbox
start_game "$game"
opened="$WIDTH x $HEIGHT"
[ "$opened" = "594 x $((425 + menu_height))" ] || fail "under openbox the window opened at $opened"
sleep 4.5
# The frame as a whole, caption and border, lies in the middle of the screen, to a pixel.
read -r frame_left frame_right caption frame_bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
find_table
gaps="$((X - frame_left)) $((1920 - X - WIDTH - frame_right)) $((Y - caption)) $((1080 - Y - HEIGHT - frame_bottom))"
read -r gap_left gap_right gap_top gap_bottom <<<"$gaps"
[ $((gap_left - gap_right)) -ge -1 ] && [ $((gap_left - gap_right)) -le 1 ] && [ $((gap_top - gap_bottom)) -ge -1 ] &&
  [ $((gap_top - gap_bottom)) -le 1 ] || fail "under openbox the frame is not centred: left, right, top, bottom gaps $gaps"
double_click_caption() {
  xdotool mousemove $((X + WIDTH / 2)) $((Y - caption / 2)) click --repeat 2 --delay 100 1
  sleep 1
  find_table
}
double_click_caption
[ "$WIDTH" -ge 1900 ] && [ "$HEIGHT" -ge 1000 ] || fail "maximised, the window is $WIDTH x $HEIGHT"
shot maximised
expect_dealt "$out/maximised.png"
expect_filled "$out/maximised.png" "maximised"
expect_refused_goes_home maximised
double_click_caption
[ "$WIDTH x $HEIGHT" = "$opened" ] || fail "restored, the window is $WIDTH x $HEIGHT, not $opened"
shot restored
expect_dealt "$out/restored.png"

expect_zoom_2
quit_within 5 "under a window manager"
echo "e2e session passed"
