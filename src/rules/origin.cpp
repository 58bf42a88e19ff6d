// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What happens to the place a moved card came from.
#include "origin.h"

#include "game/zones.h"

namespace morvane {

bool isFixed(const Table& table, const Hand& hand, CardIndex card)
{
    return hasBaseValue(card, table.BaseValue) && cameFromFoundation(hand);
}

void uncoverOrigin(Table& table, const Hand& hand, CardIndex released, bool mustBeInColumn)
{
    for (int suit = 0; suit < 4; ++suit) {
        CardPicture& covered = table.card(nextValueCard(released, suit));
        const bool inPlace = !mustBeInColumn || isInColumnArea(covered);
        if (!covered.Enabled && liesAtOrigin(hand, covered) && inPlace) {
            covered.Enabled = true;
        }
    }
}

void freeColumnPlaceIfFirstCard(Table& table, const Hand& hand)
{
    if (cameAsFirstOfColumn(hand)) {
        table.setPlaceCard(originPile(hand) + 4, 0);
    }
}

void sendHome(Table& table, const Hand& hand, CardIndex card) { table.move(card, hand.HomeLeft, hand.HomeTop); }

}  // namespace morvane
