#!/usr/bin/env bash
# Measures the game beside a bare Qt window on one Xvfb: time to a mapped window, resident memory
# after the deal, and processor time while idle; the game once without a sound device and once with
# SDL's dummy device, where the soundfont loads and the music plays. Usage: bench/run.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANE_BENCH=ON >/dev/null
cmake --build build-bench --target morvane map_timer bare_window >/dev/null

export QT_LOGGING_RULES='*.warning=false'
exec 3> build-bench/display
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
for _ in $(seq 50); do [ -s build-bench/display ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 build-bench/display)"

for run in $(seq "$runs"); do
  echo "run $run bare   $(build-bench/bench/map_timer 'Bare window' 1 build-bench/bench/bare_window)"
  echo "run $run game   $(SDL_AUDIODRIVER=none build-bench/bench/map_timer 'Vandrel - Morvane' 5 build-bench/bin/morvane)"
  echo "run $run sound  $(SDL_AUDIODRIVER=dummy build-bench/bench/map_timer 'Vandrel - Morvane' 5 build-bench/bin/morvane)"
done
