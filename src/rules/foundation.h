// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Foundation placement: a card stacks on its predecessor in the suit, or a base-value card opens
// an empty foundation.
#pragma once

#include "game/hand.h"
#include "game/table.h"
#include "landing.h"

namespace morvane {

// The card onto which VCarta, released at (AreaW, AreaH), can be stacked, or 0: its predecessor in
// the suit, lying on a foundation, when a corner of VCarta lies inside it or VCarta lies exactly in
// line with it over part of it.
CardIndex CollisioneC(const Table& table, CardIndex VCarta, float AreaW, float AreaH);

// Where the foundations take this card let go lying at (left, top): a card of the base value opens
// the first empty foundation it touches, any other stacks on its predecessor.
Landing whereAFoundationTakes(const Table& table, CardIndex card, float left, float top);

// Places the released card where the foundations take it or sends it home, then checks the four
// foundations. Returns true when they are all complete: the game is won.
[[nodiscard]] bool Cresc(Table& table, const Hand& hand, CardIndex ValCarta);

// Disables the top of each complete foundation from the first onward; true when all four are.
bool checkFoundationsComplete(Table& table);

}  // namespace morvane
