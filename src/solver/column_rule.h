// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rule of the columns, worked out beforehand for every base value: which card goes under
// which. The search asks it of every card it can take and every column's last card, and the test
// for dead ends asks it the other way round.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "compact_deal.h"

namespace morvane::solver {

// Under a card goes a card of the other group one value lower, the king under the ace; nothing
// goes under a card of the base value.
constexpr bool ruleLinesUpUnder(std::int16_t baseValue, CardIndex card, CardIndex last)
{
    return !hasBaseValue(last, baseValue) && groupOf(card) != groupOf(last) &&
           valueKey(successorOf(card)) == valueKey(last);
}

// For each base value and card, one bit for each card in the given relation to it.
using CardsByBase = std::array<std::array<std::uint64_t, kCardCount + 1>, kValuesPerSuit + 1>;

constexpr CardsByBase cardsRelatedBy(bool (*related)(std::int16_t, CardIndex, CardIndex))
{
    CardsByBase cards{};
    for (std::int16_t base = 1; base <= kValuesPerSuit; ++base) {
        for (CardIndex card = 1; card <= kCardCount; ++card) {
            for (CardIndex other = 1; other <= kCardCount; ++other) {
                cards[static_cast<std::size_t>(base)][static_cast<std::size_t>(card)] |=
                    static_cast<std::uint64_t>(related(base, card, other)) << other;
            }
        }
    }
    return cards;
}

// The cards that go under each card, and the cards each card goes under.
inline constexpr CardsByBase kCardsUnder =
    cardsRelatedBy([](std::int16_t base, CardIndex last, CardIndex card) { return ruleLinesUpUnder(base, card, last); });
inline constexpr CardsByBase kCardsOver =
    cardsRelatedBy([](std::int16_t base, CardIndex card, CardIndex last) { return ruleLinesUpUnder(base, card, last); });

inline bool linesUpUnder(const Deal& deal, CardIndex card, CardIndex last)
{
    assert(deal.baseValue >= 1 && deal.baseValue <= kValuesPerSuit && isCard(card) && isCard(last));
    return (kCardsUnder[static_cast<std::size_t>(deal.baseValue)][static_cast<std::size_t>(last)] >> card & 1U) != 0;
}

// The cards this card may be lined up under, one bit per card (bit c: card c).
inline std::uint64_t cardsToLineUpUnder(const Deal& deal, CardIndex card)
{
    assert(deal.baseValue >= 1 && deal.baseValue <= kValuesPerSuit && isCard(card));
    return kCardsOver[static_cast<std::size_t>(deal.baseValue)][static_cast<std::size_t>(card)];
}

}  // namespace morvane::solver
