// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The logical view of the table: which zone a card is in, read from its position exactly as the
// handlers read it, and the tops of the piles.
#pragma once

#include "table.h"

namespace morvane {

// ---- Where a card lies, from its position alone.

// Parked out of sight at Top 10, right of the stock image.
bool isInStock(const CardPicture& c);
// Anywhere strictly between x 379 and 421: the fan and the squared-up pile under it.
bool isInWaste(const CardPicture& c);
// The slot 1..3 of the fan at x 380, 400, 420 on the top row; 0 anywhere else.
int fanSlotOf(const CardPicture& c);
// The place a card can be taken from, as the hand notes it: 1..4 at the x of a foundation and of the
// column under it, 4 + the fan's slot in the waste, 0 anywhere else.
int slotOf(const CardPicture& c);
// The row of the column a card lies in, from 1 at the columns' first row; 0 above the columns.
int columnRowOf(const CardPicture& c);
// On the top row left of the waste: a foundation card.
bool isOnFoundationRow(const CardPicture& c);
// The foundation 1..4 under a card of the foundation row.
int foundationOf(const CardPicture& c);
// At the height of the columns' first row or lower.
bool isInColumnArea(const CardPicture& c);
// Let go lower than Top 110, below the foundation row: the columns' rule decides where it goes.
bool isBelowFoundationRow(float top);

// ---- The piles. PlaceCard holds, by place number, for foundation k (1..4) the card index of its
// top card, 0 while it is empty; for column place k + 4 its own place number while the column
// holds its first card, 0 once the place is free.

// The top card of the waste, or 0 when the waste is empty.
CardIndex topWasteCard(const Table& table);
// The top card of foundation k, or 0 while it is empty.
CardIndex foundationTop(const Table& table, int k);
// An empty foundation or a free column place; a place number outside 1..8 is never free.
bool isPlaceFree(const Table& table, int place);

}  // namespace morvane
