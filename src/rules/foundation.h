// Foundation placement: a card stacks on its predecessor in the suit, or a base-value card opens
// an empty foundation.
#pragma once

#include "game/table.h"

namespace morvane {

// The card onto which VCarta, released at (AreaW, AreaH), can be stacked, or 0.
CardIndex CollisioneC(const Table& table, CardIndex VCarta, float AreaW, float AreaH);

// Places the released card on a foundation or sends it home, then checks the four foundations.
// Returns true when they are all complete: the game is won.
[[nodiscard]] bool Cresc(Table& table, CardIndex ValCarta);

// Disables the top of each complete foundation from the first onward; true when all four are.
bool checkFoundationsComplete(Table& table);

}  // namespace morvane
