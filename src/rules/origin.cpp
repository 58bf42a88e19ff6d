// What happens to the place a moved card came from.
#include "origin.h"

#include "game/zones.h"

namespace morvane {

bool isFixed(const Table& table, CardIndex card)
{
    return hasBaseValue(card, table.BaseValue) && cameFromFoundation(table.hand);
}

void uncoverOrigin(Table& table, CardIndex released, bool mustBeInColumn)
{
    for (int suit = 0; suit < 4; ++suit) {
        CardPicture& covered = table.card(nextValueCard(released, suit));
        const bool inPlace = !mustBeInColumn || isInColumnArea(covered);
        if (!covered.Enabled && liesAtOrigin(table.hand, covered) && inPlace) {
            covered.Enabled = true;
        }
    }
}

void freeColumnPlaceIfFirstCard(Table& table)
{
    if (cameAsFirstOfColumn(table.hand)) {
        table.setPlaceCard(originPile(table.hand) + 4, 0);
    }
}

void sendHome(Table& table, CardIndex card) { table.move(card, table.HomeLeft, table.HomeTop); }

}  // namespace morvane
