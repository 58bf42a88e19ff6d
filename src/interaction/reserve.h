// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The reserve: a click turns its next card into the leftmost free column place.
#pragma once

#include "game/game.h"

namespace morvane {

void Mazzo2_Click(Game& game);

}  // namespace morvane
