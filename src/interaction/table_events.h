// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The events of the table window itself: a press, a release and a move on bare table, and Timer1's tick.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace morvane {

// Any press on the table closes the rules and about panels.
void Form_MouseDown(Game& game);
// X and Y are the pointer's position on the table.
void Form_MouseUp(Game& game, std::int16_t Button, float X, float Y);
void Form_MouseMove(Game& game);
void Timer1_Timer(Game& game);

}  // namespace morvane
