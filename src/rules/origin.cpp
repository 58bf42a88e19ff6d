// What happens to the place a moved card came from.
#include "origin.h"

namespace morvane {

bool cameFromFoundation(const Table& table) { return table.FromRow < 1.0F && table.FromSlot < 5.0F; }

bool isFixed(const Table& table, CardIndex card)
{
    return hasBaseValue(card, table.BaseValue) && cameFromFoundation(table);
}

void uncoverOrigin(Table& table, CardIndex released, bool mustBeInColumn)
{
    const float originLeft = table.FromSlot * geometry::kPlacePitch + geometry::kPlaceOrigin;
    for (int suit = 0; suit < 4; ++suit) {
        CardPicture& covered = table.card(nextValueCard(released, suit));
        const bool inPlace = !mustBeInColumn || covered.Top >= geometry::kColumnTop;
        if (!covered.Enabled && covered.Left == originLeft && inPlace) {
            covered.Enabled = true;
        }
    }
}

void freeColumnPlaceIfFirstCard(Table& table)
{
    if (table.FromRow == 1.0F) {
        table.setPlaceCard(geometry::nearestWhole(table.FromSlot) + 4, 0);
    }
}

void sendHome(Table& table, CardIndex card) { table.move(card, table.HomeLeft, table.HomeTop); }

}  // namespace morvane
