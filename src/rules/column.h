// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Column placement: a card lines up under a card of the other group and the next value, or goes on
// a free column place; nothing lines up under a card of the base value.
#pragma once

#include "game/hand.h"
#include "game/table.h"
#include "landing.h"

namespace morvane {

// The column card under which VCarta, released at (AreaW, AreaH), can be lined up, or 0: an enabled
// card of the other group and the next value that holds a corner of VCarta, unless it has the base value.
CardIndex CollisioneD(const Table& table, CardIndex VCarta, float AreaW, float AreaH);

// Where the columns take this card let go lying at (left, top): under the card whose corner test
// finds it, else on the first free column place it touches, else under a card it lies exactly in
// line with. A card refused by a card of the base value blinks the base-value label.
Landing whereAColumnTakes(const Table& table, CardIndex card, float left, float top);

// Lines the released card up or puts it on a free column place where the columns take it, or sends
// it home; starts the blink when the answer says so.
void DecDec(Table& table, const Hand& hand, CardIndex ValCarta);

}  // namespace morvane
