#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Resident memory of the game under play-like pointer input: cards dragged between the places, the
# stock and the reserve clicked, double-clicks, hovering, a new deal now and then. Prints the memory
# every minute, to show whether it keeps growing.
# Usage: bench/play_memory.sh [seconds [morvane binary]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
program=${2:-build-bench/bin/morvane}
if [ $# -lt 2 ]; then
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANE_BENCH=ON >/dev/null
  cmake --build build-bench --target morvane >/dev/null
fi

source bench/xvfb.sh
start_xvfb 1024x768x24
export QT_LOGGING_RULES='*.warning=false' SDL_AUDIODRIVER=none

"$program" >/dev/null 2>&1 &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Vandrel - Morvane$' | head -n1)
sleep 5
eval "$(xdotool getwindowgeometry --shell "$window")"
ox=$X
oy=$((Y + HEIGHT - 425))

memory() { awk '/^VmRSS|^VmHWM/ { printf "%s %.1f MB  ", $1, $2 / 1024 }' /proc/"$pid"/status; }
echo "0 s: $(memory)"

# A point somewhere on one of the places or the waste, where cards lie.
somewhere() {
  local left=(90 160 230 300 380 420) top=(30 150 200 250)
  echo "$((ox + ${left[RANDOM % 6]} + RANDOM % 50)) $((oy + ${top[RANDOM % 4]} + RANDOM % 20))"
}

# About 60 motions a second from one point to another, with the button held or not.
glide() {
  local held=$1 from to steps=$((10 + RANDOM % 30))
  read -r -a from <<<"$(somewhere)"
  read -r -a to <<<"$(somewhere)"
  awk -v x0="${from[0]}" -v y0="${from[1]}" -v x1="${to[0]}" -v y1="${to[1]}" -v n="$steps" -v held="$held" 'BEGIN {
    printf "mousemove %d %d %s", x0, y0, (held ? "mousedown 1 " : "")
    for (i = 1; i <= n; i++) printf "mousemove %d %d sleep 0.0167 ", x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * i / n
    if (held) printf "mouseup 1"
  }'
}

start=$SECONDS
next_report=60
while [ $((SECONDS - start)) -lt "$seconds" ]; do
  case $((RANDOM % 20)) in
    0) xdotool key F2 sleep 0.3 ;;
    1 | 2 | 3) xdotool mousemove $((ox + 530)) $((oy + 60)) click 1 sleep 0.2 ;;
    4) xdotool mousemove $((ox + 40)) $((oy + 60)) click 1 sleep 0.2 ;;
    5) read -r -a at <<<"$(somewhere)" && xdotool mousemove "${at[0]}" "${at[1]}" click --repeat 2 1 sleep 0.2 ;;
    6 | 7 | 8 | 9) # shellcheck disable=SC2046
      xdotool $(glide 0) ;;
    *) # shellcheck disable=SC2046
      xdotool $(glide 1) ;;
  esac
  if [ $((SECONDS - start)) -ge "$next_report" ]; then
    echo "$next_report s: $(memory)"
    next_report=$((next_report + 60))
  fi
done
echo "$((SECONDS - start)) s: $(memory)"
kill "$pid"
