// What happens to the place a moved card came from.
#include "origin.h"

namespace morvane {

bool cameFromFoundation(const Table& table) { return table.FromRow < 1.0F && table.FromSlot < 5.0F; }

void uncoverOrigin(Table& table, CardIndex released, bool mustBeInColumn)
{
    const float originLeft = table.FromSlot * geometry::kPlacePitch + geometry::kPlaceOrigin;
    for (int suit = 0; suit < 4; ++suit) {
        CardPicture& covered = table.card(nextValueCard(released, suit));
        // A card covered on a foundation is that foundation's, never the released card's, even
        // when the released card came from the column at the same x.
        const bool inPlace = mustBeInColumn ? covered.Top >= geometry::kColumnTop : !isOnFoundationRow(covered);
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

void resetDragFields(Table& table)
{
    table.DropTop = 0.0F;
    table.FromSlot = 0.0F;
    table.FromRow = 0.0F;
}

}  // namespace morvane
