// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the card in hand came from, read once at the press from the place it lay on.
#include "hand.h"

#include <cmath>

namespace morvane {
namespace {

constexpr int kPiles = 4;

// A foundation or column x gives its number, a slot of the waste fan 4 + its slot; cards are taken
// from nowhere else.
std::int16_t slotAt(float left)
{
    for (int k = 1; k <= kPiles; ++k) {
        if (left == geometry::placeLeft(k)) {
            return static_cast<std::int16_t>(k);
        }
    }
    for (int slot = 1; slot <= geometry::kCardsPerTurn; ++slot) {
        if (left == geometry::wasteSlotLeft(slot)) {
            return static_cast<std::int16_t>(kPiles + slot);
        }
    }
    return 0;
}

// The row of a column at this height, from 1 at the columns' first row; 0 on the top row.
std::int16_t rowAt(float top)
{
    if (top < geometry::kColumnTop) {
        return 0;
    }
    return static_cast<std::int16_t>(std::ceil((top - geometry::kRowOrigin) / geometry::kRowPitch));
}

}  // namespace

void noteOrigin(Hand& hand, const CardPicture& pressed)
{
    hand.FromSlot = slotAt(pressed.Left);
    hand.FromRow = rowAt(pressed.Top);
}

bool cameFromFoundation(const Hand& hand) { return hand.FromRow == 0 && hand.FromSlot <= kPiles; }

bool cameAsFirstOfColumn(const Hand& hand) { return hand.FromRow == 1; }

int originPile(const Hand& hand) { return hand.FromSlot; }

bool liesAtOrigin(const Hand& hand, const CardPicture& c)
{
    if (hand.FromSlot > kPiles) {
        return c.Left == geometry::wasteSlotLeft(hand.FromSlot - kPiles);
    }
    return hand.FromSlot != 0 && c.Left == geometry::placeLeft(hand.FromSlot);
}

void endDrag(Hand& hand)
{
    hand.Dragging = false;
    hand.DoubleClicked = false;
    hand.FromSlot = 0;
    hand.FromRow = 0;
}

}  // namespace morvane
