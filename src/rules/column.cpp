// Columns grow downward, a short suit under a long one and a long under a short, the king under the
// ace, and end at a card of the base value.
#include "column.h"

#include <array>
#include <vector>

#include "game/blink.h"
#include "game/zones.h"
#include "origin.h"
#include "probe.h"

namespace morvane {
namespace {

// The two cards of the other group whose value is one above the released card's, lower index first.
std::array<CardIndex, 2> columnCandidates(CardIndex card)
{
    const int suitOffset = groupOf(card) == Group::Short ? 2 : 0;
    const CardIndex first = nextValueCard(card, suitOffset);
    return {first, static_cast<CardIndex>(first + kValuesPerSuit)};
}

// The card leaves the top of its foundation: the card under it is the foundation's top again.
void uncoverFoundation(Table& table, CardIndex card)
{
    const CardIndex below = predecessorOf(card);
    table.card(below).Enabled = true;
    const int f = originPile(table.hand);
    if (f >= 1 && f <= 4) {
        table.setPlaceCard(f, below);
    }
}

void settleOrigin(Table& table, CardIndex card)
{
    if (cameFromFoundation(table.hand)) {
        uncoverFoundation(table, card);
    } else if (cameAsFirstOfColumn(table.hand)) {
        freeColumnPlaceIfFirstCard(table);
    } else {
        uncoverOrigin(table, card, true);
    }
}

// Moves the card to where it is accepted; false when nothing accepts it.
bool placeInColumns(Table& table, CardIndex card)
{
    const CardPicture& here = table.card(card);
    const CardIndex r = CollisioneD(table, card, here.Left, here.Top);
    if (r != 0) {
        CardPicture& above = table.card(r);
        table.move(card, above.Left, above.Top + geometry::kRowPitch);
        above.Enabled = false;
        return true;
    }
    const std::int16_t k = CollSh(table, here.Left, here.Top, kFirstColumnPlace);
    if (k != 0) {
        const Shape& place = table.Shape1.at(static_cast<std::size_t>(k));
        table.move(card, place.Left, place.Top);
        table.setPlaceCard(k, k);
        return true;
    }
    return false;
}

}  // namespace

CardIndex CollisioneD(Table& table, CardIndex VCarta, float AreaW, float AreaH)
{
    std::vector<ProbeTarget> enabled;
    for (const CardIndex candidate : columnCandidates(VCarta)) {
        const CardPicture& c = table.card(candidate);
        if (c.Enabled) {
            enabled.push_back({candidate, c.Left, c.Top});
        }
    }
    const CardIndex hit = probeCorners(AreaW, AreaH, enabled, Containment::Strict);
    if (hit != 0 && hasBaseValue(hit, table.BaseValue)) {
        startBlink(table);
        return 0;
    }
    return hit;
}

void DecDec(Table& table, CardIndex ValCarta)
{
    if (placeInColumns(table, ValCarta)) {
        settleOrigin(table, ValCarta);
    } else {
        sendHome(table, ValCarta);
    }
}

}  // namespace morvane
