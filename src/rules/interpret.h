// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What letting go of a card does: the one place where its height chooses the rule that answers.
#pragma once

#include "game/hand.h"
#include "game/table.h"
#include "move.h"

namespace morvane {

// What letting go of `card` lying at (left, top) does, with the hand that carried it. A card let
// go at Top 110 or above asks the foundations, one let go lower the columns; the first card of a
// foundation asks neither. A refused card, and one that would rest where it was picked up, rest
// at the hand's home.
Move interpret(const Table& table, const Hand& hand, CardIndex card, float left, float top);

}  // namespace morvane
