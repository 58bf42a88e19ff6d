// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Foundations grow upward in one suit around the circle of values, from a card of the base value,
// until they hold the ten cards of their suit.
#include "foundation.h"

#include <array>

#include "game/zones.h"
#include "probe.h"

namespace morvane {
namespace {

// Every foundation starts with a card of the base value.
bool opensAFoundation(const Table& table, CardIndex card) { return hasBaseValue(card, table.BaseValue); }

// Complete: the top card has the value just before the base value in the circle.
bool isComplete(const Table& table, int k)
{
    const CardIndex top = foundationTop(table, k);
    return top != 0 && valueKey(top) == table.BaseValue - 1;
}

}  // namespace

CardIndex CollisioneC(const Table& table, CardIndex VCarta, float AreaW, float AreaH)
{
    const CardIndex p = predecessorOf(VCarta);
    const CardPicture& predecessor = table.card(p);
    if (!isOnFoundationRow(predecessor)) {
        return 0;  // on the top row, cards from x 380 on are waste cards or out of play
    }
    const std::array<ProbeTarget, 1> target{{{p, predecessor.Left, predecessor.Top}}};
    const CardIndex touched = probeCorners(AreaW, AreaH, target, Containment::Strict);
    // Laid exactly in line with its predecessor, a card has no corner strictly inside it.
    return touched != 0 ? touched : firstOverlapping(AreaW, AreaH, target);
}

Move whereAFoundationTakes(const Table& table, CardIndex card, float left, float top)
{
    if (opensAFoundation(table, card)) {
        const std::int16_t k = CollSh(table, left, top, 1);
        return k != 0 ? ontoPlace(table, card, k) : refused(card);
    }
    const CardIndex p = CollisioneC(table, card, left, top);
    return p != 0 ? ontoCard(card, p, table.card(p).Left, table.card(p).Top) : refused(card);
}

void Cresc(Table& table, const Hand& hand, const Move& move)
{
    execute(table, hand, move);
    closeCompleteFoundations(table);
}

void closeCompleteFoundations(Table& table)
{
    for (int k = 1; k <= geometry::kPiles && isComplete(table, k); ++k) {
        table.card(foundationTop(table, k)).Enabled = false;
    }
}

bool allFoundationsComplete(const Table& table)
{
    for (int k = 1; k <= geometry::kPiles; ++k) {
        if (!isComplete(table, k)) {
            return false;
        }
    }
    return true;
}

}  // namespace morvane
