#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows game under Wine, on an X server of its own with a window manager: the title and then the
# deal, a stock click turning cards into the waste, a refused card going home and one the rules allow
# landing where they put it, F2 in the middle of a carry, a sound option's check mark, a rules panel
# opened and closed by a click inside it, the window grown to zoom 2 with the table filling it, and the
# MCI commands the game sent, as its sound log wrote them. Screenshots of each step are kept.
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png "$out"/sound.log

source "$(dirname "$0")/session_support.sh"
command -v wine >/dev/null || skip "wine is not installed"
# A prefix of the session's own, without the .NET and HTML engines Wine would offer to install.
export WINEPREFIX=$runtime/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The prefix's server and whatever still runs in it end before the session's folder goes.
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; end_session' EXIT
# Wine keeps Linux's QT_ variables from a Windows program; the game reads its rules here too.
export MORVANE_LOGGING_RULES="morvane.sound=true"
start_xvfb 1920x1080x24
wineboot --init >/dev/null 2>&1 || skip "Wine cannot make a prefix here"
start_openbox

wine "$game" 2>"$out/sound.log" &
game_pid=$!
window=$(timeout 30 xdotool search --sync --name '^Vandrel - Morvane$' | head -n1) || fail "the window did not map"
xdotool windowfocus --sync "$window" 2>/dev/null || true
window_geometry
# Wine's X window holds the client area and the menu bar above it: the table at its own size.
menu_height=$((HEIGHT - 425))
[ "$WIDTH" = 594 ] && [ "$menu_height" -gt 0 ] && [ "$menu_height" -lt 40 ] ||
  fail "the window opened at $WIDTH x $HEIGHT, not the table's 594 x 425 under a menu bar"
find_table
expect_title_then_deal
expect_stock_turns dealt
expect_drop_goes_home waste 0 0 594 425

# F2 while a card is carried deals anew; the release that follows belongs to the old game and moves nothing.
region refused 90 120 274 102 columns-1
at 120 170; xdotool mousedown 1; sleep 0.1
at 300 300; sleep 0.1
xdotool key F2; sleep 0.5
shot f2-held
xdotool mouseup 1; sleep 0.3
shot f2-released
region f2-held 0 0 594 425 table-held
region f2-released 0 0 594 425 table-released
region f2-released 90 120 274 102 columns-2
same columns-1 columns-2 && fail "F2 in the middle of a carry did not deal anew"
same table-held table-released || fail "the release after F2 changed the new deal"
expect_dealt "$out/f2-released.png"

# Options > Music: its check mark goes, and the music pauses.
options_menu() {
  xdotool key alt+o; sleep 0.5
  shot "$1"
  convert "$out/$1.png" -crop "160x50+$table_x+$table_y" +repage "$out/$1-items.png"
}
options_menu menu-checked
xdotool key Down Return; sleep 0.3
options_menu menu-unchecked
xdotool key Escape Escape; sleep 0.3
same menu-checked-items menu-unchecked-items && fail "Music kept its check mark"
grep -q '"pause MMC1"' "$out/sound.log" || fail "unchecking Music did not pause the music"

# Help > English shows the rules; a click inside them closes them.
xdotool key alt+h; sleep 0.3
xdotool key Return; sleep 0.5
shot rules
expect_pixel "$out/rules.png" 234 100 "255,255,192" "the English rules did not open"
click 150 200
shot rules-closed
[ "$(pixel "$out/rules-closed.png" 234 100)" != "255,255,192" ] || fail "a click inside the rules did not close them"

expect_zoom_2

quit_within 10 "under Wine"
sound_log=$(cat "$out/sound.log")

# Quitting during the title pause ends the game at once.
wine "$game" 2>/dev/null &
game_pid=$!
window=$(timeout 30 xdotool search --sync --name '^Vandrel - Morvane$' | head -n1) || fail "the window did not map again"
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5
quit_within 3 "during the title pause"

# The commands the game sent, in the order it sent them: the rustle and the music opened at load,
# the rustle played at the releases, and both players closed, the music first, at the end. Under Wine
# the sequencer may have no MIDI device: the game then plays on silent, and its log says so.
sent() { sed -n 's/^morvane\.sound: MCI "\(.*\)" -> .*/\1/p' <<<"$sound_log"; }
sent | grep -q '^open ".*\\carta\.wav" type waveaudio alias MMCw$' || fail "the rustle was not opened"
sent | grep -q '^open ".*\\Music\\10vazid\.mid" type sequencer alias MMC1$' || fail "the music was not opened"
sent | grep -q '^play MMCw notify$' || fail "no release played the rustle"
[ "$(sent | grep '^close' | tail -n2 | tr '\n' ' ')" = "close MMC1 close MMCw " ] ||
  fail "the players were not closed, music first, at the end"
if grep -q 'alias MMC1" -> error' <<<"$sound_log"; then
  echo "Wine has no MIDI sequencer here; the game played on silent"
  ! sent | grep -q '^play MMC1' || fail "the game played a music it could not open"
else
  sent | grep -q '^play MMC1 notify$' || fail "the music never started"
fi
echo "Windows e2e session passed"
