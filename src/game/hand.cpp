// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the card in hand came from, read once at the press from the place it lay on.
#include "hand.h"

#include "zones.h"

namespace morvane {

void noteOrigin(Hand& hand, const CardPicture& pressed)
{
    hand.FromSlot = static_cast<std::int16_t>(slotOf(pressed));
    hand.FromRow = static_cast<std::int16_t>(columnRowOf(pressed));
}

bool cameFromFoundation(const Hand& hand) { return hand.FromRow == 0 && originPile(hand) != 0; }

bool cameAsFirstOfColumn(const Hand& hand) { return hand.FromRow == 1; }

int originPile(const Hand& hand) { return hand.FromSlot <= geometry::kPiles ? hand.FromSlot : 0; }

bool liesAtOrigin(const Hand& hand, const CardPicture& c) { return hand.FromSlot != 0 && slotOf(c) == hand.FromSlot; }

void endDrag(Hand& hand)
{
    hand.Dragging = false;
    hand.DoubleClicked = false;
    hand.FromSlot = 0;
    hand.FromRow = 0;
}

}  // namespace morvane
