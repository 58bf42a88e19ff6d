// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A deal as the solver sees it: its cards in the order they are dealt, a compact position, a move,
// and a card's rank counted from the base value. What a move may do is read in position.h.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "game/card.h"

namespace morvane::solver {

// Where a card is taken from or put: the waste, or a place number as the game counts them,
// 1..4 the foundations and 5..8 the columns under them.
using Spot = std::int8_t;
inline constexpr Spot kWaste = 0;
constexpr Spot foundationSpot(int k) { return static_cast<Spot>(k); }
constexpr Spot columnSpot(int k) { return static_cast<Spot>(k + 4); }
constexpr bool isFoundation(Spot s) { return s >= 1 && s <= 4; }
constexpr bool isColumn(Spot s) { return s >= 5 && s <= 8; }

struct Move {
    enum class Kind : std::uint8_t { Card, Stock, Recycle, Reserve };
    Kind kind = Kind::Card;
    std::int8_t card = 0;  // the card a Card move carries
    Spot from = kWaste;
    Spot to = kWaste;
    // Clicks on the stock (turns, or the recycle of an empty stock) that bring the card to the
    // top of the waste just before it is taken. The search plays them with the card, since they
    // change nothing else; a solution spells them out as Stock and Recycle moves.
    std::uint8_t clicks = 0;
    friend bool operator==(const Move&, const Move&) = default;
};

// The cards in deal-position order (entry 0 unused): 1..4 start the columns, 5 is the base card,
// 6..12 the reserve in the order it turns, 13..40 the stock in the order it turns.
struct Deal {
    std::array<CardIndex, 41> order{};
    std::int16_t baseValue = 0;  // 1..10

    static Deal fromOrder(const std::array<CardIndex, 41>& order);
};

inline constexpr int kFirstReservePosition = 6;
inline constexpr int kReserveCards = 7;
inline constexpr int kStockCards = 28;
inline constexpr int kLongestColumn = 10;  // a column runs down the circle of values and stops at the base value

struct Column {
    std::int8_t count = 0;
    std::array<std::int8_t, kLongestColumn> cards{};  // first card (row 1) first
    std::int8_t last() const
    {
        assert(count > 0);
        return cards[static_cast<std::size_t>(count - 1)];
    }
};

struct Position {
    std::array<std::int8_t, 4> foundationTop{};  // 0: empty
    std::array<Column, 4> columns{};
    // The stock's cards not yet played, one bit per stock deal position (bit i: position 13 + i).
    // The lowest `waste` of them lie in the waste, the rest in the stock: a pass through the stock
    // turns them in deal order, so the waste always holds the lower positions.
    std::uint32_t stockLeft = 0;
    std::int8_t waste = 0;
    std::int8_t reserveTurned = 0;  // 0..7
};

Position initialPosition(const Deal& deal);

// A card's rank counts from the base value: 0 for a card of the base value, which opens a
// foundation and ends a column, up to 9 for the value before it, which completes a foundation.
constexpr int rankOf(const Deal& deal, CardIndex card)
{
    return (valueOf(card) - deal.baseValue + kValuesPerSuit) % kValuesPerSuit;
}

}  // namespace morvane::solver
