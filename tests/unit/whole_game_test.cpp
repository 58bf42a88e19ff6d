// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game won with nothing but raw pointer events, from a deal whose stock and reserve come
// in the order the foundations need them.
#include <gtest/gtest.h>

#include <optional>

#include "game/zones.h"
#include "interaction/pointer_router.h"
#include "support/fake_ports.h"
#include "support/table_invariants.h"

namespace morvane {
namespace {

using testing::clickAt;
using testing::kBareTable;
using testing::kReservePoint;
using testing::kStockPoint;

// The base card is the ace of Denari; the columns hold the 2 to 5 of Denari and the reserve the
// 6 to the king of Denari and the ace and 2 of Coppe. The stock holds the rest in suit order,
// each turn of three laid so that the card on top is the one the foundations need first.
std::vector<int> orderedDeal()
{
    std::vector<int> deal{2, 3, 4, 5, 1, 6, 7, 8, 9, 10, 11, 12};
    std::vector<int> stock;
    for (int c = 13; c <= 40; ++c) {
        stock.push_back(c);
    }
    for (std::size_t turn = 0; turn + 3 <= stock.size(); turn += 3) {
        deal.insert(deal.end(), {stock[turn + 2], stock[turn + 1], stock[turn]});
    }
    deal.push_back(stock.back());
    return deal;
}

// Plays by looking at the table as a player does: the first card within reach that a foundation
// takes goes there; otherwise the reserve is turned while a column place is free; otherwise the
// stock is turned, or recycled once it is empty.
class FoundationPlayer {
public:
    explicit FoundationPlayer(Game& game) : table_(game.table), router_(game) {}

    void turnWholeStock()
    {
        while (table_.Mazzo.Visible) {
            clickAt(router_, kStockPoint);
        }
    }

    void step()
    {
        router_.move(kBareTable.x, kBareTable.y);  // brings the top of the waste within reach
        for (CardIndex c = 1; c <= kCardCount; ++c) {
            const std::optional<int> k = foundationFor(c);
            if (k && testing::reachablePointOf(table_, c)) {
                testing::dragTo(router_, table_, c, geometry::placeLeft(*k) + 5.0F, 15.0F);
                return;
            }
        }
        if (table_.Mazzo2.Visible && freeColumnPlace()) {
            clickAt(router_, kReservePoint);
        } else {
            clickAt(router_, kStockPoint);  // turns the stock, or recycles the waste onto its empty place
        }
    }

    PointerRouter& router() { return router_; }

private:
    std::optional<int> foundationFor(CardIndex c) const
    {
        const CardPicture& card = table_.card(c);
        if (!card.Enabled || testing::spotAt(card.Left, card.Top).zone == testing::Zone::Foundation) {
            return std::nullopt;
        }
        for (int k = 1; k <= 4; ++k) {
            if (testing::foundationTakes(foundationTop(table_, k), c, table_.BaseValue)) {
                return k;
            }
        }
        return std::nullopt;
    }

    bool freeColumnPlace() const
    {
        for (int place = kFirstColumnPlace; place <= kPlaces; ++place) {
            if (isPlaceFree(table_, place)) {
                return true;
            }
        }
        return false;
    }

    Table& table_;
    PointerRouter router_;
};

TEST(WholeGame, IsWonThroughThePointerAloneAndAnnouncedOnce)
{
    auto machine = testing::dealtGame(orderedDeal());
    const Table& table = machine->game.table;
    FoundationPlayer player(machine->game);
    player.turnWholeStock();  // a first pass that plays nothing
    int steps = 0;
    for (; !table.Label5.Visible && steps < 500; ++steps) {
        ASSERT_EQ(machine->beeper.beeps, 0);
        player.step();
        ASSERT_EQ(testing::tableFault(table), "") << "after step " << steps;
    }
    ASSERT_TRUE(table.Label5.Visible) << "not won after " << steps << " steps";
    EXPECT_EQ(machine->beeper.beeps, 1);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(valueOf(table.placeCard(k)), 10) << "foundation " << k;
    }
    for (CardIndex c = 1; c <= kCardCount; ++c) {
        EXPECT_FALSE(testing::reachablePointOf(table, c)) << "card " << c << " can still be taken";
    }
    EXPECT_EQ(table.ReserveNext, 13);
    EXPECT_TRUE(table.StockCards.empty());

    // The empty stock place with nothing in the waste gives nothing back; presses reach no card.
    clickAt(player.router(), kStockPoint);
    for (float x = 0.0F; x < 594.0F; x += 8.0F) {
        player.router().move(x, 60.0F);
        clickAt(player.router(), {x, 60.0F});
    }
    EXPECT_FALSE(table.Mazzo.Visible);
    EXPECT_TRUE(table.StockCards.empty());
    EXPECT_EQ(machine->beeper.beeps, 1);
    EXPECT_EQ(testing::tableFault(table), "");
}

}  // namespace
}  // namespace morvane
