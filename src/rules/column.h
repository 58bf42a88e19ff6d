// Column placement: a card lines up under a card of the other group and the next value, or goes on
// a free column place; nothing lines up under a card of the base value.
#pragma once

#include "game/table.h"

namespace morvane {

// The column card under which VCarta, released at (AreaW, AreaH), can be lined up, or 0.
// A touch on an enabled card of the base value starts the blink of the base-value label.
CardIndex CollisioneD(Table& table, CardIndex VCarta, float AreaW, float AreaH);

// Lines the released card up, puts it on a free column place, or sends it home.
void DecDec(Table& table, CardIndex ValCarta);

}  // namespace morvane
