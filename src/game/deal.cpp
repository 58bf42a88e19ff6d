// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The shuffle and deal: every undealt card has the same chance at each deal position.
#include "deal.h"

#include <string>

namespace morvane {
namespace {

// Entry i is card i until it is drawn, 0 after; entry 0 is never a card.
using Pool = std::array<CardIndex, kCardCount + 1>;

// r = integer part of u x 41 gives 0..40; a 0 or an already drawn card is drawn again.
CardIndex drawCard(Pool& pool, RandomSource& random)
{
    for (;;) {
        const auto r = static_cast<std::size_t>(random.next() * 41.0);
        if (r < pool.size() && pool[r] != 0) {
            const CardIndex card = pool[r];
            pool[r] = 0;
            return card;
        }
    }
}

void placeDealtCard(Table& table, int position, CardIndex c)
{
    CardPicture& card = table.card(c);
    if (position <= kLastColumnPosition) {
        table.move(c, table.Shape1[static_cast<std::size_t>(position)].Left, geometry::kColumnTop);
        const int place = kFirstColumnPlace - 1 + position;
        table.setPlaceCard(place, static_cast<std::int16_t>(place));
        card.Enabled = true;
    } else if (position == kBasePosition) {
        table.move(c, table.Shape1[1].Left, table.Shape1[1].Top);
        table.setPlaceCard(1, c);
        table.BaseValue = valueKey(c);
        table.Label1.Caption = std::to_string(valueOf(c));
        card.Enabled = true;
    } else if (position <= kLastReservePosition) {
        table.move(c, geometry::kParkedLeft, geometry::kReserveTop);
    } else {
        table.StockCards.push_back(c);
    }
}

}  // namespace

void Mescola(Game& game) { Mescola(game.table, game.ports.random); }

void Mescola(Table& table, RandomSource& random)
{
    Pool pool{};
    for (CardIndex i = 1; i <= kCardCount; ++i) {
        pool[static_cast<std::size_t>(i)] = i;
        table.card(i).Enabled = false;
    }
    random.reseedFromClock();
    for (int p = 1; p <= kDealPositions; ++p) {
        const CardIndex c = drawCard(pool, random);
        table.DealOrder[static_cast<std::size_t>(p)] = c;
        placeDealtCard(table, p, c);
    }
    if (table.BaseValue == 0) {
        table.BaseValue = 10;  // the base card is a king
    }
}

}  // namespace morvane
