// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's cost over a run of seeds at one budget: deals per second, the median and 99th
// percentile processor milliseconds per deal, the unknown count and the peak resident memory.
// Usage: solve_deals [count [budget-ms [first-seed]]], by default 1000 deals at 2000 ms from seed 1.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "seeded_deal.h"
#include "solver/search.h"

int main(int argc, char** argv)
{
    using namespace morvane;
    const long count = argc > 1 ? std::atol(argv[1]) : 1000;
    const double budgetMs = argc > 2 ? std::atof(argv[2]) : 2000.0;
    const long first = argc > 3 ? std::atol(argv[3]) : 1;
    if (count <= 0 || budgetMs <= 0.0) {
        std::fputs("usage: solve_deals [count [budget-ms [first-seed]]]\n", stderr);
        return 2;
    }
    std::vector<double> ms;
    long won = 0;
    long unknown = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long seed = first; seed < first + count; ++seed) {
        const solver::Result r = solver::solve(seededDeal(static_cast<std::uint64_t>(seed)), {0, budgetMs});
        ms.push_back(r.milliseconds);
        won += r.outcome == solver::Outcome::Won ? 1 : 0;
        unknown += r.outcome == solver::Outcome::Unknown ? 1 : 0;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * ms.size()))]; };
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld deals from seed %ld, budget %.0f ms: %ld won, %ld unknown\n", count, first, budgetMs, won,
                unknown);
    double total = 0.0;
    for (const double m : ms) {
        total += m;
    }
    std::printf("%.1f deals per second of processor time (%.1f by the wall clock)\n", 1000.0 * count / total,
                static_cast<double>(count) / seconds);
    std::printf("per deal, processor time: median %.2f ms, p99 %.1f ms, max %.1f ms\n", at(0.5), at(0.99), ms.back());
    std::printf("peak resident memory %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
