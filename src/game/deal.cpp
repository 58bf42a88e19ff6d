// The shuffle and deal: every undealt card has the same chance at each deal position.
#include "deal.h"

#include <string>

namespace morvane {
namespace {

constexpr int kColumns = 4;
constexpr int kBasePosition = 5;
constexpr int kLastReservePosition = 12;

// r = integer part of u x 41 gives 0..40; a 0 or an already drawn card is drawn again.
CardIndex drawCard(Table& table, RandomSource& random)
{
    for (;;) {
        const auto r = static_cast<std::size_t>(random.next() * 41.0);
        if (r < table.Pool.size() && table.Pool[r] != 0) {
            const CardIndex card = table.Pool[r];
            table.Pool[r] = 0;
            return card;
        }
    }
}

void placeDealtCard(Table& table, int position, CardIndex c)
{
    CardPicture& card = table.card(c);
    if (position <= kColumns) {
        table.move(c, table.Shape1[static_cast<std::size_t>(position)].Left, geometry::kColumnTop);
        table.setPlaceCard(position + kColumns, static_cast<std::int16_t>(position + kColumns));
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

void Mescola(Game& game)
{
    Table& table = game.table;
    for (CardIndex i = 1; i <= kCardCount; ++i) {
        table.Pool[static_cast<std::size_t>(i)] = i;
        table.card(i).Enabled = false;
    }
    game.ports.random.reseedFromClock();
    for (int p = 1; p <= kDealPositions; ++p) {
        const CardIndex c = drawCard(table, game.ports.random);
        table.DealOrder[static_cast<std::size_t>(p)] = c;
        placeDealtCard(table, p, c);
    }
    if (table.BaseValue == 0) {
        table.BaseValue = 10;  // the base card is a king
    }
}

}  // namespace morvane
