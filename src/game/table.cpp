// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table state's few operations: moving a card, bringing it to the front, guarded place numbers.
#include "table.h"

#include <algorithm>
#include <cassert>

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
        assert(value == 0 || (place < kFirstColumnPlace ? isCard(value) : value == place));
        PlaceCard.at(static_cast<std::size_t>(place)) = value;
    }
}

}  // namespace morvane
