// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The bookkeeping of the place a card left: the card it covered is uncovered, a column place freed.
#pragma once

#include "game/hand.h"
#include "game/table.h"

namespace morvane {

// The first card of a foundation, of the base value, stays there for the whole game.
bool isFixed(const Table& table, const Hand& hand, CardIndex card);

// Enables the disabled card of the next value that lies at the x the released card came from.
// With mustBeInColumn, only a card lying in the column area counts.
void uncoverOrigin(Table& table, const Hand& hand, CardIndex released, bool mustBeInColumn);

// The first card of a column has left it: that column place is free.
void freeColumnPlaceIfFirstCard(Table& table, const Hand& hand);

// A refused card goes back where it was picked up.
void sendHome(Table& table, const Hand& hand, CardIndex card);

}  // namespace morvane
