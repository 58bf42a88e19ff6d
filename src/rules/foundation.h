// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Foundation placement: a card stacks on its predecessor in the suit, or a base-value card opens
// an empty foundation.
#pragma once

#include "game/hand.h"
#include "game/table.h"
#include "move.h"

namespace morvane {

// The card onto which VCarta, released at (AreaW, AreaH), can be stacked, or 0: its predecessor in
// the suit, lying on a foundation, when a corner of VCarta lies inside it or VCarta lies exactly in
// line with it over part of it.
CardIndex CollisioneC(const Table& table, CardIndex VCarta, float AreaW, float AreaH);

// Where the foundations take this card let go lying at (left, top): a card of the base value opens
// the first empty foundation it touches (CollSh), any other stacks on its predecessor (CollisioneC).
Move whereAFoundationTakes(const Table& table, CardIndex card, float left, float top);

// The foundation rule carried out: the move its answer names, then the foundations closed that
// are complete. Whether that won the game, allFoundationsComplete tells.
void Cresc(Table& table, const Hand& hand, const Move& move);

// Disables the top of each complete foundation from the first onward, up to the first that is not
// complete: a complete foundation is closed, its top card no longer taken.
void closeCompleteFoundations(Table& table);

// The four foundations hold their ten cards each: the game is won.
bool allFoundationsComplete(const Table& table);

}  // namespace morvane
