#!/usr/bin/env bash
# Measures the game beside a bare Qt window on one Xvfb: time to a mapped window, resident memory
# after the deal, and processor time while idle. Usage: bench/run.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANE_BENCH=ON >/dev/null
cmake --build build-bench --target morvane map_timer bare_window >/dev/null

exec 3> build-bench/display
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
for _ in $(seq 50); do [ -s build-bench/display ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 build-bench/display)"

for run in $(seq "$runs"); do
  echo "run $run bare   $(build-bench/bench/map_timer 'Bare window' 1 build-bench/bench/bare_window)"
  echo "run $run game   $(build-bench/bench/map_timer 'Vandrel - Morvane' 5 build-bench/bin/morvane)"
done
