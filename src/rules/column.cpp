// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Columns grow downward, a short suit under a long one and a long under a short, the king under the
// ace, and end at a card of the base value.
#include "column.h"

#include <algorithm>
#include <vector>

#include "game/blink.h"
#include "game/zones.h"
#include "origin.h"
#include "probe.h"

namespace morvane {
namespace {

// Nothing lines up under a card of the base value: the chain of a column ends there.
bool endsItsColumn(const Table& table, CardIndex card) { return hasBaseValue(card, table.BaseValue); }

// The enabled ones of the two cards of the other group whose value is one above the card's, lower
// index first. Both have the same value: either both end their column or neither does.
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

// The enabled candidate that holds a corner of the card, whatever its value.
CardIndex touchedCandidate(const Table& table, CardIndex card, float left, float top)
{
    return probeCorners(left, top, enabledCandidates(table, card), Containment::Strict);
}

// Laid exactly in line with a card it may go under, the card has no corner strictly inside it.
CardIndex candidateInLine(const Table& table, CardIndex card, float left, float top)
{
    std::vector<ProbeTarget> candidates = enabledCandidates(table, card);
    std::erase_if(candidates, [&](const ProbeTarget& c) { return endsItsColumn(table, c.id); });
    return firstOverlapping(left, top, candidates);
}

Landing underCard(const Table& table, CardIndex above)
{
    const CardPicture& c = table.card(above);
    return onCard(above, c.Left, c.Top + geometry::kRowPitch);
}

// The card leaves the top of its foundation: the card under it is the foundation's top again.
void uncoverFoundation(Table& table, const Hand& hand, CardIndex card)
{
    const CardIndex below = predecessorOf(card);
    table.card(below).Enabled = true;
    const int f = originPile(hand);
    if (f >= 1 && f <= 4) {
        table.setPlaceCard(f, below);
    }
}

void settleOrigin(Table& table, const Hand& hand, CardIndex card)
{
    if (cameFromFoundation(hand)) {
        uncoverFoundation(table, hand, card);
    } else if (cameAsFirstOfColumn(hand)) {
        freeColumnPlaceIfFirstCard(table, hand);
    } else {
        uncoverOrigin(table, hand, card, true);
    }
}

}  // namespace

CardIndex CollisioneD(const Table& table, CardIndex VCarta, float AreaW, float AreaH)
{
    const CardIndex touched = touchedCandidate(table, VCarta, AreaW, AreaH);
    return touched != 0 && !endsItsColumn(table, touched) ? touched : 0;
}

Landing whereAColumnTakes(const Table& table, CardIndex card, float left, float top)
{
    if (const CardIndex r = CollisioneD(table, card, left, top); r != 0) {
        return underCard(table, r);
    }
    const bool blinks = touchedCandidate(table, card, left, top) != 0;  // touched, yet refused
    if (const std::int16_t k = CollSh(table, left, top, kFirstColumnPlace); k != 0) {
        Landing landing = onPlace(table, k);
        landing.blinks = blinks;
        return landing;
    }
    if (const CardIndex r = candidateInLine(table, card, left, top); r != 0) {
        return underCard(table, r);
    }
    return Landing{.blinks = blinks};
}

void DecDec(Table& table, const Hand& hand, CardIndex ValCarta)
{
    const CardPicture& here = table.card(ValCarta);
    const Landing landing = whereAColumnTakes(table, ValCarta, here.Left, here.Top);
    if (landing.blinks) {
        startBlink(table);
    }
    if (landing.isRefused()) {
        sendHome(table, hand, ValCarta);
        return;
    }
    table.move(ValCarta, landing.Left, landing.Top);
    if (landing.onto == Landing::Onto::Card) {
        table.card(landing.target).Enabled = false;
    } else {
        table.setPlaceCard(landing.target, landing.target);
    }
    settleOrigin(table, hand, ValCarta);
}

}  // namespace morvane
