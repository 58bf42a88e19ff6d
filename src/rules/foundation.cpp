// Foundations grow upward in one suit around the circle of values, from a card of the base value,
// until they hold the ten cards of their suit.
#include "foundation.h"

#include <array>

#include "game/zones.h"
#include "origin.h"
#include "probe.h"

namespace morvane {
namespace {

void stackOnPredecessor(Table& table, CardIndex card)
{
    const CardPicture& here = table.card(card);
    const CardIndex p = CollisioneC(table, card, here.Left, here.Top);
    if (p == 0) {
        sendHome(table, card);
        return;
    }
    // A foundation card put back on the card under it uncovers nothing: its foundation number is
    // also the number of the column below, whose covered cards must stay covered.
    if (!cameFromFoundation(table.hand)) {
        uncoverOrigin(table, card, true);
    }
    CardPicture& predecessor = table.card(p);
    table.move(card, predecessor.Left, predecessor.Top);
    predecessor.Enabled = false;
    freeColumnPlaceIfFirstCard(table);
    table.setPlaceCard(foundationOf(predecessor), card);
}

// A card of the base value opens the first empty foundation it touches.
void openFoundation(Table& table, CardIndex card)
{
    const CardPicture& here = table.card(card);
    const std::int16_t k = CollSh(table, here.Left, here.Top, 1);
    if (k == 0) {
        sendHome(table, card);
        return;
    }
    const Shape& place = table.Shape1.at(static_cast<std::size_t>(k));
    table.move(card, place.Left, place.Top);
    table.setPlaceCard(k, card);
    uncoverOrigin(table, card, false);
    freeColumnPlaceIfFirstCard(table);
}

// Complete: the top card has the value just before the base value in the circle.
bool isComplete(const Table& table, std::int16_t top) { return top != 0 && valueKey(top) == table.BaseValue - 1; }

}  // namespace

CardIndex CollisioneC(const Table& table, CardIndex VCarta, float AreaW, float AreaH)
{
    const CardIndex p = predecessorOf(VCarta);
    const CardPicture& predecessor = table.card(p);
    if (!isOnFoundationRow(predecessor)) {
        return 0;  // on the top row, cards from x 380 on are waste cards or out of play
    }
    const std::array<ProbeTarget, 1> target{{{p, predecessor.Left, predecessor.Top}}};
    return probeCorners(AreaW, AreaH, target, Containment::Strict);
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

bool Cresc(Table& table, CardIndex ValCarta)
{
    if (hasBaseValue(ValCarta, table.BaseValue)) {
        openFoundation(table, ValCarta);
    } else {
        stackOnPredecessor(table, ValCarta);
    }
    return checkFoundationsComplete(table);
}

}  // namespace morvane
