// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The bookkeeping of the place a card left: the card it covered is uncovered, a column place freed.
#pragma once

#include "game/hand.h"
#include "game/table.h"

namespace morvane {

// The first card of a foundation, of the base value, stays there for the whole game.
bool isFixed(const Table& table, const Hand& hand, CardIndex card);

// The card in hand has left the place it was picked up from. Off a foundation, the card under it is
// that foundation's top again. Off a column or the waste, the disabled card of the next value lying
// at the x it came from is enabled, only in the column area unless `anyRow`; the column place it
// was the first card of is free.
void leaveOrigin(Table& table, const Hand& hand, CardIndex card, bool anyRow);

// A refused card goes back where it was picked up.
void sendHome(Table& table, const Hand& hand, CardIndex card);

}  // namespace morvane
