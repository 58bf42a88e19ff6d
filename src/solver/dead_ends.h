// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Positions no win can come from, told without searching them: the reserve still holds cards,
// and no column place can ever come free again to take them.
#pragma once

#include "compact_deal.h"

namespace morvane::solver {

// True when the position is a dead end: every column place is taken, the reserve is not empty,
// and every column holds a card that can never leave it (dead_ends.cpp argues why).
bool isDeadEnd(const Deal& deal, const Position& position);

}  // namespace morvane::solver
