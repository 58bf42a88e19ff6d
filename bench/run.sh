#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game beside a bare Qt window on one Xvfb: time to a mapped window, resident memory
# after the deal, and processor time while idle; the game once without a sound device and once with
# SDL's dummy device, where the soundfont loads and the music plays; an older build of the game too,
# if given. Usage: bench/run.sh [runs [older morvane binary]]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
older=${2:-}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANE_BENCH=ON >/dev/null
cmake --build build-bench --target morvane map_timer bare_window >/dev/null

export QT_LOGGING_RULES='*.warning=false'
source bench/xvfb.sh
start_xvfb 1024x768x24

for run in $(seq "$runs"); do
  echo "run $run bare   $(build-bench/bench/map_timer 'Bare window' 1 build-bench/bench/bare_window)"
  [ -n "$older" ] && echo "run $run older  $(SDL_AUDIODRIVER=none build-bench/bench/map_timer 'Vandrel - Morvane' 5 "$older")"
  echo "run $run game   $(SDL_AUDIODRIVER=none build-bench/bench/map_timer 'Vandrel - Morvane' 5 build-bench/bin/morvane)"
  echo "run $run sound  $(SDL_AUDIODRIVER=dummy build-bench/bench/map_timer 'Vandrel - Morvane' 5 build-bench/bin/morvane)"
done
