// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Column placement: a card lines up under a card of the other group and the next value, or goes on
// a free column place; nothing lines up under a card of the base value.
#pragma once

#include "game/hand.h"
#include "game/table.h"
#include "move.h"

namespace morvane {

// The column cards VCarta, released at (AreaW, AreaH), meets: of the enabled cards of the other
// group and the next value, the one that holds a corner of it, else the one it lies exactly in line
// with over part of it. Both have the same value: either both end their column, having the base
// value, or neither does.
struct ColumnCards {
    CardIndex touched = 0;
    CardIndex inLine = 0;
    bool endTheirColumn = false;
};
ColumnCards CollisioneD(const Table& table, CardIndex VCarta, float AreaW, float AreaH);

// Where the columns take this card let go lying at (left, top): under the card a corner of it
// touches, else on the first free column place it touches (CollSh), else under a card it lies
// exactly in line with. A card touching a card of the base value, under which nothing goes, blinks
// the base-value label.
Move whereAColumnTakes(const Table& table, CardIndex card, float left, float top);

// The column rule carried out: the blink its answer asks for, then the move it names.
void DecDec(Table& table, const Hand& hand, const Move& move);

}  // namespace morvane
