// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Moves the search may leave out, or play at once, without losing a win of any deal.
#pragma once

#include <array>
#include <optional>

#include "compact_deal.h"

namespace morvane::solver {

// How far the foundations have come: per suit the rank of its top (-1 while no foundation holds
// the suit), and the lowest rank of a card still out. Read once per position for both reductions.
struct HomeRanks {
    std::array<int, 4> bySuit{};
    int lowestOut = 0;
};
HomeRanks homeRanks(const Deal& deal, const Position& position);

// A foundation top that never has to come down: every card ranked below the lowest card still
// out of the foundations.
bool staysHome(const Deal& deal, const HomeRanks& home, CardIndex top);

// A column's last card that can go onto its foundation now, with no card left out that could ever
// need it in a column: played at once, as the only move from this position.
std::optional<Move> safeMoveHome(const Deal& deal, const Position& position, const HomeRanks& home);

}  // namespace morvane::solver
