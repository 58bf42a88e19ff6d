// The table state's few operations: moving a card, bringing it to the front, guarded place numbers.
#include "table.h"

#include <algorithm>

namespace morvane {

Table::Table()
{
    for (CardIndex n = 1; n <= kCardCount; ++n) {
        drawingOrder.push_back(n);
    }
}

void Table::move(CardIndex n, float left, float top)
{
    card(n).Left = left;
    card(n).Top = top;
}

void Table::bringToFront(CardIndex n)
{
    drawingOrder.erase(std::remove(drawingOrder.begin(), drawingOrder.end(), n), drawingOrder.end());
    drawingOrder.push_back(n);
}

std::int16_t Table::placeCard(int place) const
{
    if (place < 1 || place > kPlaces) {
        return -1;
    }
    return PlaceCard.at(static_cast<std::size_t>(place));
}

void Table::setPlaceCard(int place, std::int16_t value)
{
    if (place >= 1 && place <= kPlaces) {
        PlaceCard.at(static_cast<std::size_t>(place)) = value;
    }
}

void endDrag(Table& table)
{
    table.Dragging = false;
    table.DoubleClicked = false;
    table.FromSlot = 0.0F;
    table.FromRow = 0.0F;
}

bool isInStock(const CardPicture& c) { return c.Top == geometry::kStockTop && c.Left > geometry::kStockLeft; }

bool isInWaste(const CardPicture& c) { return c.Left > geometry::kWasteLowEdge && c.Left < geometry::kWasteHighEdge; }

bool isOnFoundationRow(const CardPicture& c)
{
    return c.Top == geometry::kFoundationTop && c.Left <= geometry::placeLeft(4);
}

}  // namespace morvane
