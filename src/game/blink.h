// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The blink of the base-value label: red and green by turns on each tick of Timer1 while it runs.
#pragma once

#include "table.h"

namespace morvane {

// A drop over a column card of the base value, under which nothing may line up.
void startBlink(Table& table);

// A press on a card ends a blink, leaving the label green; the next blink then begins green.
void stopBlink(Table& table);

// At the start of a game the label is still, and the first blink of the game begins red.
void resetBlink(Table& table);

// One tick of Timer1.
void blinkStep(Table& table);

}  // namespace morvane
