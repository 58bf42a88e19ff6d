// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Columns grow downward, a short suit under a long one and a long under a short, the king under the
// ace, and end at a card of the base value.
#include "column.h"

#include <vector>

#include "game/blink.h"
#include "game/zones.h"
#include "probe.h"

namespace morvane {
namespace {

// The enabled ones of the two cards of the other group whose value is one above the card's, lower
// index first.
std::vector<ProbeTarget> enabledCandidates(const Table& table, CardIndex card)
{
    const int suitOffset = groupOf(card) == Group::Short ? 2 : 0;
    const CardIndex first = nextValueCard(card, suitOffset);
    std::vector<ProbeTarget> enabled;
    for (const CardIndex candidate : {first, static_cast<CardIndex>(first + kValuesPerSuit)}) {
        const CardPicture& c = table.card(candidate);
        if (c.Enabled) {
            enabled.push_back({candidate, c.Left, c.Top});
        }
    }
    return enabled;
}

Move underCard(const Table& table, CardIndex card, CardIndex above)
{
    const CardPicture& c = table.card(above);
    return ontoCard(card, above, c.Left, c.Top + geometry::kRowPitch);
}

}  // namespace

ColumnCards CollisioneD(const Table& table, CardIndex VCarta, float AreaW, float AreaH)
{
    const std::vector<ProbeTarget> candidates = enabledCandidates(table, VCarta);
    ColumnCards cards{.endTheirColumn = hasBaseValue(nextValueCard(VCarta, 0), table.BaseValue)};
    cards.touched = probeCorners(AreaW, AreaH, candidates, Containment::Strict);
    if (cards.touched == 0) {
        // Laid exactly in line with a card, the card has no corner strictly inside it.
        cards.inLine = firstOverlapping(AreaW, AreaH, candidates);
    }
    return cards;
}

Move whereAColumnTakes(const Table& table, CardIndex card, float left, float top)
{
    const ColumnCards cards = CollisioneD(table, card, left, top);
    if (cards.touched != 0 && !cards.endTheirColumn) {
        return underCard(table, card, cards.touched);
    }
    const bool blinks = cards.touched != 0;  // touched, yet refused
    Move move = refused(card);
    if (const std::int16_t k = CollSh(table, left, top, kFirstColumnPlace); k != 0) {
        move = ontoPlace(table, card, k);
    } else if (cards.inLine != 0 && !cards.endTheirColumn) {
        move = underCard(table, card, cards.inLine);
    }
    move.blinks = blinks;
    return move;
}

void DecDec(Table& table, const Hand& hand, const Move& move)
{
    if (move.blinks) {
        startBlink(table);
    }
    execute(table, hand, move);
}

}  // namespace morvane
