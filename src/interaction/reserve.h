// The reserve: a click turns its next card into the leftmost free column place.
#pragma once

#include "game/game.h"

namespace morvane {

void Mazzo2_Click(Game& game);

}  // namespace morvane
