// The shuffle and deal of a new game.
#pragma once

#include "game.h"

namespace morvane {

void Mescola(Game& game);

}  // namespace morvane
