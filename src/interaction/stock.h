// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The stock and its waste fan: turning three cards, recycling the waste, enabling its top card.
#pragma once

#include "game/game.h"

namespace morvane {

void mazzo_Click(Game& game);

// Once the stock is empty, the whole waste goes back into it.
void recycleWaste(Table& table);

// The top card of the waste can be taken; the cards under it stay disabled.
void enableTopWasteCard(Table& table);

}  // namespace morvane
