// Moves the search may leave out, or play at once, without losing a win of any deal.
#pragma once

#include <optional>

#include "position.h"

namespace morvane::solver {

// A card's rank counts from the base value: 0 for a card of the base value, which opens a
// foundation and ends a column, up to 9 for the value before it, which completes a foundation.
int rankOf(const Deal& deal, CardIndex card);

// A foundation top that never has to come down: every card ranked below the lowest card still
// out of the foundations.
bool staysHome(const Deal& deal, const Position& position, CardIndex top);

// A column's last card that can go onto its foundation now, with no card left out that could ever
// need it in a column: played at once, as the only move from this position.
std::optional<Move> safeMoveHome(const Deal& deal, const Position& position);

}  // namespace morvane::solver
