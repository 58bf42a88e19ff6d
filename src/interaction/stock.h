// The stock and its waste fan: turning three cards, recycling the waste, enabling its top card.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace morvane {

void mazzo_Click(Game& game);
// X and Y are the pointer's position on the table.
void Form_MouseUp(Game& game, std::int16_t Button, float X, float Y);
void Form_MouseMove(Game& game);

}  // namespace morvane
