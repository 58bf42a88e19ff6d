#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on a Wayland desktop: a headless weston of its own, no X server at all, the game on Qt's
# Wayland platform. weston's screenshots show the title during the pause and the table dealt after it,
# by the same pixels as on X, and weston knows the window by the app_id of the game's installed
# desktop file, so that a dock matches it to its launcher. A headless compositor has no keyboard to quit from the menu: the game is
# ended with TERM, and must have lived until then and die of nothing else.
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png

source "$(dirname "$0")/session_support.sh"
start_weston
unset DISPLAY
# Without the decoration Qt draws itself, the window is the menu bar over the table, nothing round it.
export QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1 SDL_AUDIODRIVER=dummy

# weston-screenshooter writes into the folder it runs in, under a name of the moment.
shot() {
  (cd "$runtime" && weston-screenshooter) || fail "weston-screenshooter took no picture"
  mv "$runtime"/wayland-screenshot-*.png "$out/$1.png"
}
# The window's corners on the output, from weston's scene graph: "x y x2 y2".
placed() {
  weston-debug scene-graph 2>/dev/null | grep -A1 "'Vandrel - Morvane'" |
    sed -n 's/.*position: (\(-*[0-9]*\), \(-*[0-9]*\)) -> (\(-*[0-9]*\), \(-*[0-9]*\)).*/\1 \2 \3 \4/p'
}

"$game" &
game_pid=$!
mapped() { [ -n "$(placed)" ]; }
within_5s mapped || fail "the window did not map"
read -r table_x _ _ bottom <<<"$(placed)"
table_y=$((bottom - 425))
app_id=$(weston-debug scene-graph 2>/dev/null | sed -n "s/.*top-level window 'Vandrel - Morvane' of \([^,]*\),.*/\1/p")
desktop=$(basename "$(dirname "$0")"/../../packaging/*.desktop .desktop)
[ "$app_id" = "$desktop" ] || fail "weston knows the window as '$app_id', not as its launcher $desktop"

expect_title_then_deal

kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself"
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 143 ] || fail "the game, sent TERM, ended with status $status"
echo "wayland session passed"
