// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The reserve turns one card per click into the leftmost free column place, and only while one is free.
#include "reserve.h"

#include <string>

#include "game/zones.h"

namespace morvane {
namespace {

void turnReserveCard(Table& table, int place)
{
    table.setPlaceCard(place, static_cast<std::int16_t>(place));
    const CardIndex c = table.dealtAt(table.ReserveNext);
    table.move(c, geometry::placeLeftOf(place), geometry::kColumnTop);
    table.card(c).Enabled = true;
    ++table.ReserveNext;
}

}  // namespace

void Mazzo2_Click(Game& game)
{
    Table& table = game.table;
    if (table.ReserveNext >= kReserveEnd || !isCard(table.dealtAt(table.ReserveNext))) {
        return;  // nothing left to turn
    }
    for (int place = kFirstColumnPlace; place <= kPlaces; ++place) {
        if (isPlaceFree(table, place)) {
            turnReserveCard(table, place);
            break;
        }
    }
    table.Label6.Caption = std::to_string(kReserveEnd - table.ReserveNext);
    if (table.ReserveNext == kReserveEnd) {
        table.Mazzo2.Visible = false;
        table.Label6.Visible = false;
    }
}

}  // namespace morvane
