#!/bin/sh
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The solver's figures over a run of seeds at 2 s and at 10 s of processor time per deal.
# Usage: bench/solve_runs.sh SOLVER OUT-DIR [COUNT]   (COUNT seeds from 1; 10000 unless given)
#
# 2 s: the seeds in two halves side by side, one per core, each half one process whose peak
# resident memory is that of its largest deal. 10 s: every deal left unknown at 2 s once more,
# one process per deal, two at a time. A deal decided at 2 s is decided the same way at 10 s: the
# searches take turns counted in positions, so a longer budget only adds turns at the end. OUT-DIR
# gets 2s.txt and 10s.txt (the 2-second lines with the unknown deals' 10-second lines instead), the
# peak memory of each, and bench/solve_figures.sh prints the counts and times of both.
set -eu
solver=$1
out=$2
count=${3:-10000}
half=$((count / 2))
mkdir -p "$out"

peak() { /usr/bin/time -f "%M" -o "$1" "$solver" --seed "$2" --count "$3" --budget-ms "$4"; }

peak "$out/peak-2s-a" 1 "$half" 2000 > "$out/2s-a.txt" &
peak "$out/peak-2s-b" $((half + 1)) $((count - half)) 2000 > "$out/2s-b.txt"
wait
cat "$out/2s-a.txt" "$out/2s-b.txt" | grep '^seed' > "$out/2s.txt"

mkdir -p "$out/10s"
awk '$3 == "unknown" { print $2 }' "$out/2s.txt" |
  xargs -r -P 2 -I S sh -c '/usr/bin/time -f "%M" -o "$2/10s/S.peak" "$1" --seed S --count 1 --budget-ms 10000 |
                             grep "^seed" > "$2/10s/S.txt"' sh "$solver" "$out"
cat "$out"/10s/*.txt 2>/dev/null |
  awk 'FILENAME == "-" { again[$2] = $0; next } { print ($2 in again) ? again[$2] : $0 }' - "$out/2s.txt" > "$out/10s.txt"

largest() { cat "$@" 2>/dev/null | sort -n | tail -n 1; }
echo "peak resident memory: 2 s $(largest "$out"/peak-2s-*) KB, 10 s $(largest "$out"/10s/*.peak "$out"/peak-2s-*) KB"
"$(dirname "$0")/solve_figures.sh" "$out/2s.txt"
"$(dirname "$0")/solve_figures.sh" "$out/10s.txt"
