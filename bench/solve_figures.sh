#!/bin/sh
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The figures of morvane-solve runs, read from their output: won, lost and unknown, and the median,
# 99th percentile and largest processor milliseconds per deal. With two outputs over the same seeds,
# also how many deals each decided and every deal that one calls won and the other lost (the
# search is sound, so there must be none).
# Usage: bench/solve_figures.sh RUN.txt [OTHER-RUN.txt]
set -eu
figures() {
  awk '$1 == "seed" { n++; count[$3]++ }
       END { printf "%s: %d deals, %d won, %d lost, %d unknown\n", FILENAME, n, count["won"], count["lost"], count["unknown"] }' "$1"
  awk '$1 == "seed" { print $6 }' "$1" | sort -g |
    awk '{ ms[NR] = $1 }
      END { p = int(0.99 * NR); if (p < 1) p = 1
            printf "  per deal: median %.2f ms, p99 %.1f ms, largest %.1f ms\n", ms[int((NR + 1) / 2)], ms[p], ms[NR] }'
}
figures "$1"
if [ $# -gt 1 ]; then
  figures "$2"
  awk 'FNR == NR && $1 == "seed" { first[$2] = $3; next }
       $1 == "seed" && ($2 in first) {
         both++
         if (first[$2] != "unknown" && $3 != "unknown") decided++
         if ((first[$2] == "won" && $3 == "lost") || (first[$2] == "lost" && $3 == "won")) { flips++; print "  seed " $2 ": " first[$2] " against " $3 }
       }
       END { printf "  %d deals in both, %d decided by both, %d contradictions\n", both, decided, flips }' "$1" "$2"
fi
