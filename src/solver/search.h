// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The search for a win over the moves of a deal, by searches that take turns, and its answer: won,
// lost or unknown.
#pragma once

#include <cstdint>
#include <vector>

#include "position.h"

namespace morvane::solver {

enum class Outcome { Won, Lost, Unknown };

// Where the search gives up and answers "unknown": after this many positions met (search.cpp says
// how they are counted) or milliseconds of processor time; 0 means no limit. A limit in positions
// gives the same answer on every machine.
struct Budget {
    std::uint64_t positions = 0;
    double milliseconds = 0.0;
};

struct Result {
    Outcome outcome = Outcome::Unknown;
    std::vector<Move> moves;  // from the deal to the win, when won
    std::uint64_t positions = 0;
    double milliseconds = 0.0;  // processor time
};

// Won: the moves win the deal. Lost: every position that can be reached was searched and none is
// won, unless two positions shared a fingerprint (seen_positions.h). Unknown: the budget ran out
// first.
Result solve(const Deal& deal, const Budget& budget, const Pruning& pruning = {});

const char* outcomeName(Outcome outcome);

}  // namespace morvane::solver
