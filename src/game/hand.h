// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The hand: what the pointer is doing with a card, kept apart from the table that a new deal lays out.
#pragma once

#include <cstdint>

#include "table.h"

namespace morvane {

// The card carried or double-clicked, the place it was taken from and where it goes back when refused.
// FromSlot is the place the card was pressed on: 1..4 a foundation or the column under it, 5..7 the
// waste fan's slots at x 380, 400 and 420. FromRow is its row in a column from 1, 0 on the top row.
// An empty hand reads as slot 0 on the top row.
struct Hand {
    std::int16_t FromSlot = 0;
    std::int16_t FromRow = 0;
    float GrabX = 0.0F;  // the pointer inside the pressed card
    float GrabY = 0.0F;
    float HomeLeft = 0.0F;  // where the pressed card lay, recorded by every move over a card while none is carried
    float HomeTop = 0.0F;
    bool Dragging = false;
    bool DoubleClicked = false;
};

// Notes the place and row of the card pressed to start a drag, read as zones.h reads them.
void noteOrigin(Hand& hand, const CardPicture& pressed);
// Pressed on a foundation: on the top row, at a foundation's x. False for an empty hand.
bool cameFromFoundation(const Hand& hand);
// Pressed as the first card of a column, on its place.
bool cameAsFirstOfColumn(const Hand& hand);
// The foundation or column 1..4 the card was pressed on; 0 for a card of the waste or an empty hand.
int originPile(const Hand& hand);
// A card lying at the x the card in hand was pressed at: the same foundation and column, or waste slot.
bool liesAtOrigin(const Hand& hand, const CardPicture& c);

// The hand is empty again: no drag, no double-click pending, no place the card came from.
void endDrag(Hand& hand);

}  // namespace morvane
