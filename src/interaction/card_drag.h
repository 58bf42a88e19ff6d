// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The drag cycle of a card: press picks it up, movement carries it, release hands it to a rule.
#pragma once

#include <cstdint>

#include "buttons.h"
#include "game/game.h"

namespace morvane {

// X and Y are the pointer's position inside the card.
void Carta_MouseDown(Game& game, CardIndex Index, std::int16_t Button, float X, float Y);
void Carta_MouseMove(Game& game, CardIndex Index, float X, float Y);
void Carta_MouseUp(Game& game, CardIndex Index);
void Carta_DblClick(Game& game, CardIndex Index);

}  // namespace morvane
