// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game: the table state, the hand beside it, and the ports through which it reaches the machine.
#pragma once

#include "hand.h"
#include "ports.h"
#include "table.h"

namespace morvane {

struct Game {
    Table table;
    Hand hand;
    Ports ports;
};

}  // namespace morvane
