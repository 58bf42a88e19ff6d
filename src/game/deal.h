// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The shuffle and deal of a new game.
#pragma once

#include "game.h"

namespace morvane {

void Mescola(Game& game);
// The same deal on a table of its own: the shuffle asks nothing of the machine but chance.
void Mescola(Table& table, RandomSource& random);

}  // namespace morvane
