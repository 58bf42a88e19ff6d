// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Foundations grow upward in one suit around the circle of values, from a card of the base value,
// until they hold the ten cards of their suit.
#include "foundation.h"

#include <array>

#include "game/zones.h"
#include "origin.h"
#include "probe.h"

namespace morvane {
namespace {

// Every foundation starts with a card of the base value.
bool opensAFoundation(const Table& table, CardIndex card) { return hasBaseValue(card, table.BaseValue); }

// Complete: the top card has the value just before the base value in the circle.
bool isComplete(const Table& table, std::int16_t top) { return top != 0 && valueKey(top) == table.BaseValue - 1; }

void stackOnPredecessor(Table& table, const Hand& hand, CardIndex card, const Landing& landing)
{
    // A foundation card put back on the card under it uncovers nothing: its foundation number is
    // also the number of the column below, whose covered cards must stay covered.
    if (!cameFromFoundation(hand)) {
        uncoverOrigin(table, hand, card, true);
    }
    table.move(card, landing.Left, landing.Top);
    CardPicture& predecessor = table.card(landing.target);
    predecessor.Enabled = false;
    freeColumnPlaceIfFirstCard(table, hand);
    table.setPlaceCard(foundationOf(predecessor), card);
}

void openFoundation(Table& table, const Hand& hand, CardIndex card, const Landing& landing)
{
    table.move(card, landing.Left, landing.Top);
    table.setPlaceCard(landing.target, card);
    uncoverOrigin(table, hand, card, false);
    freeColumnPlaceIfFirstCard(table, hand);
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

Landing whereAFoundationTakes(const Table& table, CardIndex card, float left, float top)
{
    if (opensAFoundation(table, card)) {
        const std::int16_t k = CollSh(table, left, top, 1);
        return k != 0 ? onPlace(table, k) : Landing{};
    }
    const CardIndex p = CollisioneC(table, card, left, top);
    return p != 0 ? onCard(p, table.card(p).Left, table.card(p).Top) : Landing{};
}

bool checkFoundationsComplete(Table& table)
{
    for (int j = 1; j <= 4; ++j) {
        const CardIndex top = foundationTop(table, j);
        if (!isComplete(table, top)) {
            return false;
        }
        table.card(top).Enabled = false;
    }
    return true;
}

bool Cresc(Table& table, const Hand& hand, CardIndex ValCarta)
{
    const CardPicture& here = table.card(ValCarta);
    const Landing landing = whereAFoundationTakes(table, ValCarta, here.Left, here.Top);
    switch (landing.onto) {
    case Landing::Onto::Card:
        stackOnPredecessor(table, hand, ValCarta, landing);
        break;
    case Landing::Onto::Place:
        openFoundation(table, hand, ValCarta, landing);
        break;
    case Landing::Onto::Home:
        sendHome(table, hand, ValCarta);
        break;
    }
    return checkFoundationsComplete(table);
}

}  // namespace morvane
