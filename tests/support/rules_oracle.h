// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' own reading of the table, apart from the game's: where a card rests, read from its
// position, and what a foundation and a column take. The audit, the zone-change check and the
// soak all ask it, so that a fault in the game's reading of the same things shows.
#pragma once

#include <cstdint>

#include "game/card.h"
#include "game/geometry.h"

namespace morvane::testing {

enum class Zone { Nowhere, Stock, Reserve, Waste, Foundation, Column };

inline const char* nameOf(Zone zone)
{
    constexpr const char* kNames[] = {"nowhere", "stock", "reserve", "waste", "foundation", "column"};
    return kNames[static_cast<int>(zone)];
}

// The zone a card rests in. `pile` is the foundation or column 1..4; `row` the column's row 1..,
// or the fan's slot 1..3 in the waste, where the cards squared up under the fan count as slot 1.
struct Spot {
    Zone zone = Zone::Nowhere;
    int pile = 0;
    int row = 0;
    friend bool operator==(const Spot&, const Spot&) = default;
};

inline Spot spotAt(float left, float top)
{
    for (int k = 1; k <= 4; ++k) {
        if (left == geometry::placeLeft(k) && top == geometry::kFoundationTop) {
            return {Zone::Foundation, k};
        }
        for (int row = 1; row <= kCardCount; ++row) {
            if (left == geometry::placeLeft(k) && top == geometry::columnRowTop(row)) {
                return {Zone::Column, k, row};
            }
        }
    }
    if (left == geometry::kParkedLeft && top == geometry::kReserveTop) {
        return {Zone::Reserve};
    }
    if (left == geometry::kParkedLeft && top == geometry::kStockTop) {
        return {Zone::Stock};
    }
    const float fan[] = {380.0F, 400.0F, 420.0F};
    for (int slot = 1; slot <= 3; ++slot) {
        if (top == geometry::kStockTop && left == fan[slot - 1]) {
            return {Zone::Waste, 0, slot};
        }
    }
    return {};
}

// Moving within the fan, or down a column, leaves a card in its pile.
inline bool samePile(Spot a, Spot b) { return a.zone == b.zone && a.pile == b.pile; }

// A foundation whose top card is `top` (0 while empty) takes this card: a card of the base value
// opens an empty one, any other goes onto the card before it in its suit.
inline bool foundationTakes(CardIndex top, CardIndex card, std::int16_t baseValue)
{
    return hasBaseValue(card, baseValue) ? top == 0 : top != 0 && top == predecessorOf(card);
}

// A column whose last card is `last` (0 while its place is free) takes this card: any card on a
// free place; under a card, one of the other group and the value below, never under the base value.
inline bool columnTakes(CardIndex last, CardIndex card, std::int16_t baseValue)
{
    return last == 0 || (groupOf(last) != groupOf(card) && valueKey(predecessorOf(last)) == valueKey(card) &&
                         !hasBaseValue(last, baseValue));
}

}  // namespace morvane::testing
