// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What happens to the place a moved card came from.
#include "origin.h"

#include "game/zones.h"

namespace morvane {
namespace {

// The card leaves the top of its foundation: the card under it is the foundation's top again.
void uncoverFoundation(Table& table, const Hand& hand, CardIndex card)
{
    const CardIndex below = predecessorOf(card);
    table.card(below).Enabled = true;
    table.setPlaceCard(originPile(hand), below);
}

void uncoverCovered(Table& table, const Hand& hand, CardIndex card, bool anyRow)
{
    for (int suit = 0; suit < 4; ++suit) {
        CardPicture& covered = table.card(nextValueCard(card, suit));
        if (!covered.Enabled && liesAtOrigin(hand, covered) && (anyRow || isInColumnArea(covered))) {
            covered.Enabled = true;
        }
    }
}

}  // namespace

bool isFixed(const Table& table, const Hand& hand, CardIndex card)
{
    return hasBaseValue(card, table.BaseValue) && cameFromFoundation(hand);
}

void leaveOrigin(Table& table, const Hand& hand, CardIndex card, bool anyRow)
{
    if (cameFromFoundation(hand)) {
        uncoverFoundation(table, hand, card);
        return;
    }
    uncoverCovered(table, hand, card, anyRow);
    if (cameAsFirstOfColumn(hand)) {
        table.setPlaceCard(originPile(hand) + 4, 0);
    }
}

void sendHome(Table& table, const Hand& hand, CardIndex card) { table.move(card, hand.HomeLeft, hand.HomeTop); }

}  // namespace morvane
