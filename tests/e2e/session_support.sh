# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end sessions: servers of their own (Xvfb, a window manager, weston,
# PulseAudio) in a private runtime folder, all stopped when the session ends; the game started, read
# and quit there; and the pixel checks of a table, at its own size or zoomed, in a screenshot.

fail() { echo "FAIL: $*" >&2; exit 1; }
# Only for a server that cannot start on this machine: the session is then skipped, not failed.
skip() { echo "SKIP: $*" >&2; exit 77; }

runtime=$(mktemp -d)  # mode 700: the servers' sockets are the session's alone
export XDG_RUNTIME_DIR=$runtime
stopped=()
game_pid=
end_session() {
  kill $game_pid "${stopped[@]}" 2>/dev/null || true
  rm -rf "$runtime"
}
trap end_session EXIT

# Waits up to five seconds for a condition given as a command.
within_5s() { for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done; "$@"; }

start_xvfb() {
  command -v Xvfb >/dev/null || skip "Xvfb is not installed"
  exec 3> "$runtime/display"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
  stopped+=($!)
  within_5s test -s "$runtime/display" || skip "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$runtime/display")"
}

# Openbox as the window manager of the current X server: the frame, caption buttons and maximising
# that a desktop gives a window.
start_openbox() {
  command -v openbox >/dev/null || skip "openbox is not installed"
  openbox --sm-disable >"$runtime/openbox.log" 2>&1 &
  stopped+=($!)
  managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
  within_5s managed || skip "openbox did not start: $(tail -n3 "$runtime/openbox.log")"
}

# Weston's headless back end drawing with pixman, so that a screenshot shows what the game drew;
# its debug protocols give the screenshooter and the scene graph.
start_weston() {
  command -v weston >/dev/null || skip "weston is not installed"
  weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --socket=morvane-wayland \
    --debug --idle-time=0 >"$runtime/weston.log" 2>&1 &
  stopped+=($!)
  within_5s test -S "$runtime/morvane-wayland" || skip "weston did not start: $(tail -n3 "$runtime/weston.log")"
  export WAYLAND_DISPLAY=morvane-wayland
}

# A PulseAudio server of the session's own whose only sink is a null sink named morvane: what plays
# into it is heard on its monitor. No client may start another server instead.
start_pulse() {
  command -v pulseaudio >/dev/null && command -v parec >/dev/null || skip "PulseAudio is not installed"
  mkdir -p "$runtime/home"
  printf 'autospawn = no\n' >"$runtime/client.conf"
  export HOME=$runtime/home PULSE_CLIENTCONFIG=$runtime/client.conf PULSE_SERVER=unix:$runtime/pulse/native
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no -L module-native-protocol-unix \
    -L "module-null-sink sink_name=morvane" >"$runtime/pulse.log" 2>&1 &
  stopped+=($!)
  within_5s pactl info >/dev/null 2>&1 || skip "PulseAudio did not start: $(tail -n3 "$runtime/pulse.log")"
  export SDL_AUDIODRIVER=pulseaudio
}

# Starts the game on X and waits for its window; `scale` (1 unless set) is the game's QT_SCALE_FACTOR.
start_game() {
  QT_SCALE_FACTOR=${scale:-1} "$1" &
  game_pid=$!
  window=$(timeout 10 xdotool search --sync --name '^Vandrel - Morvane$' | head -n1) || fail "the window did not map"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  window_geometry
  # The window opens with the table at its own size under the menu bar.
  menu_height=$(awk -v h="$HEIGHT" -v s="${scale:-1}" 'BEGIN { printf "%d", h - 425 * s }')
  find_table
}

# The client area of the game's window on the screen: X, Y, WIDTH and HEIGHT. Read from the X server
# itself, which under a window manager's frame counts no border into it.
window_geometry() {
  eval "$(xwininfo -id "$window" | awk -F: '
    /Absolute upper-left X/ { print "X=" $2+0 } /Absolute upper-left Y/ { print "Y=" $2+0 }
    /^ *Width/ { print "WIDTH=" $2+0 } /^ *Height/ { print "HEIGHT=" $2+0 }')"
}

# Where the table lies in the window as it is now, in screen pixels: its top-left corner on the
# screen and its zoom, screen pixels to a table pixel. The table is zoomed by the largest factor at
# which it fits below the menu bar, at the top and centred across in whole pixels of the window.
find_table() {
  window_geometry
  read -r table_x zoom <<<"$(awk -v x="$X" -v w="$WIDTH" -v h="$((HEIGHT - menu_height))" -v s="${scale:-1}" '
    function round(v) { return int(v + 0.5) }
    BEGIN {
      w = round(w / s); h = round(h / s)
      z = w / 594 < h / 425 ? w / 594 : h / 425
      printf "%d %.6f", x + int((w - 594 * z) / 2) * s, z * s
    }')"
  table_y=$((Y + menu_height))
}

# Game > Quit from the keyboard; the game must end with status 0 within the given seconds.
quit_within() {
  xdotool key alt+g
  sleep 0.3
  xdotool key Down Return
  timeout "$1" tail --pid="$game_pid" -f /dev/null || fail "Quit $2 did not end the game"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" -eq 0 ] || fail "the game quit $2 ended with status $status"
}

# A point of the table, in table pixels, on the screen.
on_screen() {
  awk -v x="$1" -v y="$2" -v z="${zoom:-1}" -v ox="$table_x" -v oy="$table_y" 'BEGIN { printf "%d %d", ox + x * z, oy + y * z }'
}
# The pointer to a point of the table.
at() {
  xdotool mousemove $(on_screen "$1" "$2")
  sleep 0.05
}
click() { at "$1" "$2"; xdotool click 1; sleep 0.3; }

# The colour of a screen pixel in a screenshot file, as "r,g,b".
screen_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# The colour of a table pixel in a screenshot file.
pixel() {
  local x y
  read -r x y <<<"$(on_screen "$2" "$3")"
  screen_pixel "$1" "$x" "$y"
}
expect_pixel() { [ "$(pixel "$1" "$2" "$3")" = "$4" ] || fail "$5 (pixel $2,$3 of $1 is $(pixel "$1" "$2" "$3"), not $4)"; }
# A screenshot taken during the title pause shows no table yet; one after it, the dealt table.
expect_title() { [ "$(pixel "$1" 200 400)" != "0,64,0" ] || fail "the table was drawn during the title pause"; }
expect_dealt() {
  expect_pixel "$1" 200 400 "0,64,0" "the column area is not drawn after the pause"
  expect_pixel "$1" 450 300 "0,128,0" "the table is not green after the pause"
  expect_pixel "$1" 95 170 "255,255,255" "no card on column 1"
}

# ---- Steps of a player's session; screenshots go to the folder $out.
shot() { import -window root "$out/$1.png"; }
# A region of the table in a screenshot, given in table pixels, cut out to compare it with another.
region() {
  local x y
  read -r x y <<<"$(on_screen "$2" "$3")"
  convert "$out/$1.png" -crop "$(on_screen "$4" "$5" | awk -v x="$x" -v y="$y" -v ox="$table_x" -v oy="$table_y" \
    '{ printf "%dx%d", $1 - ox, $2 - oy }')+$x+$y" +repage "$out/$6.png"
}
same() { [ "$(compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1)" = "0" ]; }
# The title picture during the pause, then the dealt table after it.
expect_title_then_deal() {
  sleep 1
  shot title
  expect_title "$out/title.png"
  sleep 3.5
  shot dealt
  expect_dealt "$out/dealt.png"
}
# A click on the stock turns cards into the waste fan; $1 is the screenshot before it, and the one after is "waste".
expect_stock_turns() {
  region "$1" 380 10 104 102 waste-before
  click 530 60
  shot waste
  region waste 380 10 104 102 waste-after
  if same waste-before waste-after; then fail "the stock did not turn into the waste fan"; fi
}
# A card of column 1 dropped on bare table goes home: the region x y w h of the table looks as it did in $1.
expect_drop_goes_home() {
  region "$1" "$2" "$3" "$4" "$5" home-before
  drag 120 170 450 330
  shot refused
  region refused "$2" "$3" "$4" "$5" home-after
  same home-before home-after || fail "a card dropped on bare table did not go home, leaving the table as it was"
}
drag() {
  at "$1" "$2"; xdotool mousedown 1; sleep 0.1
  at $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); at "$3" "$4"; sleep 0.1
  xdotool mouseup 1; sleep 0.3
}

# The table fills the client area: the green reaches its left and right edges and the column area its
# bottom edge, whatever room the zoomed table leaves.
expect_filled() {
  local middle left column
  middle=$(on_screen 0 300 | cut -d' ' -f2)
  column=$(on_screen 200 0 | cut -d' ' -f1)
  for left in "$X" $((X + WIDTH - 1)); do
    [ "$(screen_pixel "$1" "$left" "$middle")" = "0,128,0" ] || fail "$2: the green does not reach the edge at x $left"
  done
  [ "$(screen_pixel "$1" "$column" $((Y + HEIGHT - 1)))" = "0,64,0" ] || fail "$2: the columns do not reach the bottom"
}
# A card carried from bare table back home leaves the screen exactly as it was, the first carry at a
# new zoom too.
expect_refused_goes_home() {
  shot "$1-before"
  drag 120 170 450 330
  shot "$1-refused"
  same "$1-before" "$1-refused" || fail "$1: a refused card left a trace"
}
# Each column's card carried onto the other columns and the second foundation and let go a little
# off the place, until the rules allow one: the card then lies where the rules put it, square 30
# pixels under the other column's card or on the empty foundation, and its own place shows the
# column's mark. F2 deals anew when the rules allow none of them.
carry_by_the_rules() {
  local deal from target x y
  for deal in $(seq 12); do
    shot carry-before
    for from in 90 160 230 300; do
      region carry-before "$from" 120 64 102 carried
      for target in 160,10 90,150 160,150 230,150 300,150; do
        x=${target%,*} y=${target#*,}
        if [ "$y" = 150 ] && [ "$x" = "$from" ]; then continue; fi
        drag $((from + 32)) 170 $((x + 32 + 3)) $((y + 50 + 7))
        shot carry-after
        region carry-after "$from" 120 64 102 left
        if same carried left; then continue; fi  # refused: it went home
        region carry-after "$x" "$y" 64 102 landed
        same carried landed || fail "$1: a card from column $from did not land at $x,$y"
        [ "$(pixel "$out/carry-after.png" "$from" 150)" = "0,0,0" ] || fail "$1: column $from does not show its mark"
        return 0
      done
    done
    xdotool key F2
    sleep 0.5
  done
  fail "$1: no carry was allowed in 12 deals"
}

# Grown to twice the table's size under the menu bar, the window zooms the table 2 times: the table fills
# it, a refused card leaves no trace, and a card the rules allow lands where they put it.
expect_zoom_2() {
  xdotool windowsize "$window" 1188 $((850 + menu_height))
  sleep 1.5
  find_table
  [ "$zoom" = "2.000000" ] || fail "a window of $WIDTH x $HEIGHT zooms the table $zoom times"
  shot zoom-2
  expect_dealt "$out/zoom-2.png"
  expect_filled "$out/zoom-2.png" "at zoom 2"
  expect_refused_goes_home zoom-2
  carry_by_the_rules "at zoom 2"
}
