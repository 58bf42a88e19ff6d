#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Processor time per pointer motion event, of the program and of the X server, while the pointer
# hovers over the table and while it drags a column card, for the bare Qt window and the game
# (and an older build of the game, if given) in turn, at scale 1, 1.5 and 2.
# Usage: bench/pointer_cost.sh [rounds [older morvane binary]]
# SCALES="1" runs only those scales; ONLY="game" (or bare, older) only those programs; FILL=1 makes
# each window fill a screen of 1920 x 1080, as maximised, the table zoomed to fit.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-7}
older=${2:-}
events=300
scales=${SCALES:-1 1.5 2}
only=${ONLY:-bare older game}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANE_BENCH=ON >/dev/null
cmake --build build-bench --target morvane bare_window >/dev/null

source bench/xvfb.sh
if [ -n "${FILL:-}" ]; then start_xvfb 1920x1080x24; else start_xvfb 2400x1800x24; fi
export QT_LOGGING_RULES='*.warning=false' SDL_AUDIODRIVER=none

# Nanoseconds on the processor of every thread of a process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum }'; }

# One motion every 1/60 s along three loops of an ellipse over the table, in table pixels times the zoom.
path() {
  awk -v n="$events" -v s="$1" -v ox="$2" -v oy="$3" 'BEGIN {
    for (i = 0; i < n; i++) {
      a = 6 * 3.14159265 * i / n
      printf "mousemove %d %d sleep 0.0167 ", ox + s * (297 + 200 * cos(a)), oy + s * (200 + 140 * sin(a))
    }
  }'
}

# A table coordinate times the scale, from an origin on the screen, in whole screen pixels.
scaled() { awk -v o="$1" -v v="$2" -v s="$3" 'BEGIN { printf "%d", o + v * s }'; }

# Milliseconds per event of the program and of the X server over one pass of the path.
measure() {
  local pid=$1 moves=$2 before_game before_x
  before_game=$(cpu_ns "$pid")
  before_x=$(cpu_ns "$xvfb")
  # shellcheck disable=SC2086
  xdotool $moves
  # An X server that did no work was not the one the programs drew on: another Xvfb on the machine
  # took over its display number. Its figure is then marked lost and left out of the medians.
  awk -v g=$(($(cpu_ns "$pid") - before_game)) -v x=$(($(cpu_ns "$xvfb") - before_x)) -v n="$events" \
    'BEGIN { printf "%.3f %s", g / n / 1e6, (x > 0 ? sprintf("%.3f", x / n / 1e6) : "lost") }'
}

run() {
  local who=$1 title=$2 settle=$3 scale=$4 program=$5 pid window ox oy zoom menu moves
  case " $only " in *" $who "*) ;; *) return ;; esac
  QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
  pid=$!
  window=$(xdotool search --sync --onlyvisible --name "^$title\$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  menu=$(scaled "$HEIGHT" -425 "$scale")
  if [ -n "${FILL:-}" ]; then
    xdotool windowmove "$window" 0 0 windowsize "$window" 1920 1080
    eval "$(xdotool getwindowgeometry --shell "$window")"
  fi
  sleep "$settle"
  # The table as the game zooms it to fit below the menu bar, at the top and centred across.
  read -r ox zoom <<<"$(awk -v x="$X" -v w="$WIDTH" -v h="$((HEIGHT - menu))" 'BEGIN {
    z = w / 594 < h / 425 ? w / 594 : h / 425; printf "%d %.6f", x + (w - 594 * z) / 2, z }')"
  oy=$((Y + menu))
  moves=$(path "$zoom" "$ox" "$oy")
  echo "$round $scale $who hover $(measure "$pid" "$moves")"
  # Press on the first column's card, carry it round the same path, bring it back and let go.
  xdotool mousemove "$(scaled "$ox" 122 "$zoom")" "$(scaled "$oy" 170 "$zoom")" mousedown 1 sleep 0.2
  echo "$round $scale $who drag $(measure "$pid" "$moves")"
  xdotool mousemove "$(scaled "$ox" 122 "$zoom")" "$(scaled "$oy" 170 "$zoom")" sleep 0.1 mouseup 1 sleep 0.2
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

results=$(mktemp)
echo "round scale program mode ms_per_event x_server_ms_per_event"
for round in $(seq "$rounds"); do
  for scale in $scales; do
    run bare 'Bare window' 1 "$scale" build-bench/bench/bare_window
    [ -n "$older" ] && run older 'Vandrel - Morvane' 5 "$scale" "$older"
    run game 'Vandrel - Morvane' 5 "$scale" build-bench/bin/morvane
  done | tee -a "$results"
done
echo "medians over $rounds rounds of $events events (ms per event: program, X server)"
sort -k2,2n -k3,3 -k4,4 "$results" | awk '
  { key = $2 " " $3 " " $4; game[key] = game[key] " " $5; if ($6 != "lost") x[key] = x[key] " " $6; if (!(key in seen)) { seen[key] = 1; keys[++k] = key } }
  function median(list,   v, n, i, j, t) {
    n = split(list, v, " ")
    if (n == 0) return "lost"
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] + 0 < v[i] + 0) { t = v[i]; v[i] = v[j]; v[j] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  END { for (i = 1; i <= k; i++) printf "scale %s: %.3f %s\n", keys[i], median(game[keys[i]]), median(x[keys[i]]) }'
rm -f "$results"
