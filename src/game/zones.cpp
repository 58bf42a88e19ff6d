// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one reading of where cards are: every comparison of a card's position with the places of the
// table, made on the float positions themselves, since cards rest only where the moves put them.
#include "zones.h"

#include <cassert>
#include <cmath>

namespace morvane {

bool isInStock(const CardPicture& c) { return c.Top == geometry::kStockTop && c.Left > geometry::kStockLeft; }

bool isInWaste(const CardPicture& c) { return c.Left > geometry::kWasteLowEdge && c.Left < geometry::kWasteHighEdge; }

int fanSlotOf(const CardPicture& c)
{
    for (int slot = 1; slot <= geometry::kCardsPerTurn; ++slot) {
        if (c.Top == geometry::kStockTop && c.Left == geometry::wasteSlotLeft(slot)) {
            return slot;
        }
    }
    return 0;
}

int slotOf(const CardPicture& c)
{
    const int pile = geometry::placeNumberFromX(c.Left);
    if (pile >= 1 && pile <= geometry::kPiles && c.Left == geometry::placeLeft(pile)) {
        return pile;
    }
    const int fanSlot = fanSlotOf(c);
    return fanSlot != 0 ? geometry::kPiles + fanSlot : 0;
}

int columnRowOf(const CardPicture& c)
{
    if (!isInColumnArea(c)) {
        return 0;
    }
    return static_cast<int>(std::ceil((c.Top - geometry::kRowOrigin) / geometry::kRowPitch));
}

bool isOnFoundationRow(const CardPicture& c)
{
    return c.Top == geometry::kFoundationTop && c.Left <= geometry::placeLeft(geometry::kPiles);
}

int foundationOf(const CardPicture& c) { return geometry::placeNumberFromX(c.Left); }

bool isInColumnArea(const CardPicture& c) { return c.Top >= geometry::kColumnTop; }

bool isBelowFoundationRow(float top) { return top > geometry::kFoundationRowBottom; }

// The card in the rightmost filled slot; of several there, the one turned last, drawn on top.
CardIndex topWasteCard(const Table& table)
{
    for (int slot = geometry::kCardsPerTurn; slot >= 1; --slot) {
        for (int p = kDealPositions; p >= kFirstStockPosition; --p) {
            const CardIndex c = table.dealtAt(p);
            if (isCard(c) && fanSlotOf(table.card(c)) == slot) {
                return c;
            }
        }
    }
    return 0;
}

CardIndex foundationTop(const Table& table, int k)
{
    assert(k >= 1 && k < kFirstColumnPlace);
    return table.placeCard(k);
}

bool isPlaceFree(const Table& table, int place) { return table.placeCard(place) == 0; }

}  // namespace morvane
