// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's moves checked against the game's: deals played through the checked router (half
// along the solver's wins, to the end of the game, half at random), and at every moment the game's
// rules asked where each card the player can take goes when let go on each place. Every move the game takes the
// solver must offer, every move it offers the game must take, and each move played must leave the
// table as the solver expects; all up to what the solver counts as alike: a waste card is offered
// with the clicks on the stock that bring it on top (only the top's own moves are compared), all
// free column places are one (the solver offers the first), and a column's only card moved to a
// free place is no move at all. The search itself counts the foundations alike too: there one empty
// foundation stands for all, and the only moves it offers beyond the game's take a complete
// foundation's top down, which the game keeps once every foundation before it is complete.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>
#include <set>
#include <tuple>

#include "game/zones.h"
#include "interaction/reserve.h"
#include "rules/interpret.h"
#include "seeded_deal.h"
#include "solver/search.h"
#include "solver/seen_positions.h"
#include "support/checked_router.h"
#include "support/fake_ports.h"

namespace morvane {
namespace {

using solver::Move;
using testing::Point;
using testing::Zone;

// Moves by what they do: kind, card, from and to (clicks left out).
using MoveKey = std::tuple<int, int, int, int>;
MoveKey keyOf(const Move& m) { return {static_cast<int>(m.kind), m.card, m.from, m.to}; }

testing::Spot restingSpot(const CardPicture& c) { return testing::spotAt(c.Left, c.Top); }

std::optional<solver::Spot> spotOf(const CardPicture& c)
{
    const testing::Spot at = restingSpot(c);
    if (at.zone == Zone::Foundation || at.zone == Zone::Column) {
        return at.zone == Zone::Foundation ? solver::foundationSpot(at.pile) : solver::columnSpot(at.pile);
    }
    return at.zone == Zone::Waste ? std::optional<solver::Spot>(solver::kWaste) : std::nullopt;
}

// The table read as the solver's position.
solver::Position positionOf(const Table& t)
{
    solver::Position p;
    for (int k = 1; k <= 4; ++k) {
        p.foundationTop[static_cast<std::size_t>(k - 1)] = static_cast<std::int8_t>(foundationTop(t, k));
    }
    for (CardIndex c = 1; c <= kCardCount; ++c) {
        if (const testing::Spot at = restingSpot(t.card(c)); at.zone == Zone::Column) {
            solver::Column& column = p.columns[static_cast<std::size_t>(at.pile - 1)];
            column.cards[static_cast<std::size_t>(at.row - 1)] = static_cast<std::int8_t>(c);
            column.count = std::max(column.count, static_cast<std::int8_t>(at.row));
        }
    }
    for (int bit = 0; bit < solver::kStockCards; ++bit) {
        const Zone zone = restingSpot(t.card(t.dealtAt(kFirstStockPosition + bit))).zone;
        const bool inWaste = zone == Zone::Waste;
        const bool inStock = zone == Zone::Stock;
        p.stockLeft |= (inWaste || inStock ? 1U : 0U) << bit;
        p.waste = static_cast<std::int8_t>(p.waste + (inWaste ? 1 : 0));
    }
    p.reserveTurned = static_cast<std::int8_t>(t.ReserveNext - kFirstReservePosition);
    return p;
}

// Where a card is let go to put it on a place (1..8): 5 pixels right of and below the place's mark,
// or the last card of its column, so that a corner lies strictly inside what it joins.
Point dropOnto(int place, const solver::Position& p)
{
    const float left = geometry::placeLeftOf(place) + 5.0F;
    if (solver::isFoundation(static_cast<solver::Spot>(place))) {
        return {left, geometry::kFoundationTop + 5.0F};
    }
    const int count = p.columns[static_cast<std::size_t>(place - 5)].count;
    return {left, geometry::columnRowTop(std::max(count, 1)) + 5.0F};
}

// What the game does from one table: each card the player can take let go 5 pixels inside each
// place, and the move the game makes of it, named by where the card comes to rest.
class GameMoves {
public:
    explicit GameMoves(const Table& table) : scratch_(testing::dealtGame())
    {
        scratch_->game.table = table;
        testing::CheckedRouter router(scratch_->game);
        router.move(testing::kBareTable.x, testing::kBareTable.y);  // the waste's top within reach
        reached_ = scratch_->game.table;
    }

    std::vector<Move> accepted()
    {
        std::vector<Move> moves;
        const solver::Position p = positionOf(reached_);
        for (CardIndex c = 1; c <= kCardCount; ++c) {
            if (reached_.card(c).Enabled && testing::reachablePointOf(reached_, c)) {
                for (int place = 1; place <= 8; ++place) {
                    if (const std::optional<Move> m = answer(c, place, p)) {
                        moves.push_back(*m);
                    }
                }
            }
        }
        Mazzo2_Click(scratch_->game);
        if (scratch_->game.table.ReserveNext != reached_.ReserveNext) {
            moves.push_back({Move::Kind::Reserve});
        }
        return moves;
    }

private:
    std::optional<Move> answer(CardIndex card, int place, const solver::Position& p)
    {
        const CardPicture& c = reached_.card(card);
        const std::optional<solver::Spot> from = spotOf(c);
        EXPECT_TRUE(from) << "card " << card << " can be taken but lies on no place";
        Hand hand{.HomeLeft = c.Left, .HomeTop = c.Top};
        noteOrigin(hand, c);
        const Point at = dropOnto(place, p);
        const morvane::Move made = interpret(reached_, hand, card, at.x, at.y);
        const std::optional<solver::Spot> to = spotOf(CardPicture{made.Left, made.Top});
        if (!from || !made.isMade() || !to) {
            return std::nullopt;
        }
        return Move{Move::Kind::Card, static_cast<std::int8_t>(card), *from, *to};
    }

    std::unique_ptr<testing::FakeMachine> scratch_;
    Table reached_;
};

// The game's moves as the solver counts them: a free place stands for all, and a column's only card
// going to another free place changes nothing; with the foundations alike, so does an empty one.
std::set<MoveKey> asTheSolverCounts(const std::vector<Move>& moves, const solver::Position& p, bool foundationsAlike)
{
    int firstFree = 0;
    int firstEmptyFoundation = 0;
    for (int k = 4; k >= 1; --k) {
        firstFree = p.columns[static_cast<std::size_t>(k - 1)].count == 0 ? k : firstFree;
        firstEmptyFoundation = p.foundationTop[static_cast<std::size_t>(k - 1)] == 0 ? k : firstEmptyFoundation;
    }
    std::set<MoveKey> keys;
    for (Move m : moves) {
        if (foundationsAlike && solver::isFoundation(m.to) &&
            p.foundationTop[static_cast<std::size_t>(m.to - 1)] == 0) {
            m.to = solver::foundationSpot(firstEmptyFoundation);
        }
        if (solver::isColumn(m.to) && p.columns[static_cast<std::size_t>(m.to - 5)].count == 0) {
            if (solver::isColumn(m.from) && p.columns[static_cast<std::size_t>(m.from - 5)].count == 1) {
                continue;
            }
            m.to = solver::columnSpot(firstFree);
        }
        keys.insert(keyOf(m));
    }
    return keys;
}

std::set<MoveKey> offeredWithoutClicks(const solver::Deal& deal, const solver::Position& p, bool foundationsAlike)
{
    solver::MoveList list;
    solver::legalMoves(deal, p, list, solver::MoveSet::Every,
                       {.lowCardsStayHome = false, .safeMovesFirst = false, .foundationsAlike = foundationsAlike});
    std::set<MoveKey> keys;
    for (int i = 0; i < list.size; ++i) {
        if (list.items[static_cast<std::size_t>(i)].clicks == 0) {
            keys.insert(keyOf(list.items[static_cast<std::size_t>(i)]));
        }
    }
    return keys;
}

// Plays one of the solver's moves through the router, as a hand would.
void playThroughRouter(testing::CheckedRouter& router, const Table& table, const Move& m, const solver::Position& p)
{
    if (m.kind != Move::Kind::Card) {
        testing::clickAt(router, m.kind == Move::Kind::Reserve ? testing::kReservePoint : testing::kStockPoint);
        return;
    }
    router.move(testing::kBareTable.x, testing::kBareTable.y);
    const Point at = dropOnto(m.to, p);
    testing::dragTo(router, table, m.card, at.x, at.y);
}

// The next move of the walk: the solver's win while there is one (it reaches the end of a game,
// where complete foundations keep their tops), else a random one, mostly a card home when one can
// go, or a click on the stock.
Move nextMove(const std::vector<Move>& win, std::size_t step, const std::vector<Move>& game, std::mt19937& random)
{
    if (step < win.size()) {
        return win[step];
    }
    std::vector<Move> home;
    std::copy_if(game.begin(), game.end(), std::back_inserter(home),
                 [](const Move& m) { return solver::isFoundation(m.to); });
    const std::vector<Move>& pool = !home.empty() && random() % 4 != 0 ? home : game;
    return pool.empty() || random() % 3 == 0 ? Move{Move::Kind::Stock} : pool[random() % pool.size()];
}

TEST(SolverMoveCheck, TheSolverOffersExactlyTheMovesTheGameTakes)
{
    std::mt19937 random(17);
    int moments = 0;
    int compared = 0;
    int offFoundations = 0;
    int closedTops = 0;
    int wins = 0;
    for (std::uint64_t seed = 1; seed <= 16; ++seed) {
        const solver::Deal deal = seededDeal(seed);
        // Half the deals walk the solver's win, the other half at random.
        const solver::Result solved = solver::solve(deal, {20000, 0.0});
        const std::vector<Move> win = seed % 2 == 0 ? solved.moves : std::vector<Move>{};
        auto machine = testing::dealtGame(std::vector<int>(deal.order.begin() + 1, deal.order.end()));
        testing::CheckedRouter router(machine->game);
        const Table& table = machine->game.table;
        for (std::size_t step = 0; step < std::max<std::size_t>(win.size(), 150) && !table.Label5.Visible;
             ++step, ++moments) {
            const solver::Position p = positionOf(table);
            const std::vector<Move> game = GameMoves(table).accepted();
            const std::set<MoveKey> taken = asTheSolverCounts(game, p, false);
            ASSERT_EQ(taken, offeredWithoutClicks(deal, p, false)) << "seed " << seed << " step " << step;
            std::set<MoveKey> takenAlike = asTheSolverCounts(game, p, true);
            for (const MoveKey& m : offeredWithoutClicks(deal, p, true)) {
                if (takenAlike.erase(m) == 0) {
                    const auto card = static_cast<CardIndex>(std::get<1>(m));
                    ASSERT_TRUE(solver::isFoundation(static_cast<solver::Spot>(std::get<2>(m))) &&
                                hasBaseValue(successorOf(card), deal.baseValue))
                        << "seed " << seed << " step " << step << ": card " << card << " offered";
                    ++closedTops;
                }
            }
            ASSERT_TRUE(takenAlike.empty())
                << "seed " << seed << " step " << step << ": a move the game takes is left out";
            compared += static_cast<int>(taken.size());
            offFoundations += static_cast<int>(
                std::count_if(game.begin(), game.end(), [](const Move& m) { return solver::isFoundation(m.from); }));
            const Move m = nextMove(win, step, game, random);
            solver::Position expected = p;
            solver::play(deal, expected, m);
            playThroughRouter(router, table, m, p);
            ASSERT_EQ(router.fault(), "") << "seed " << seed << " step " << step;
            ASSERT_EQ(solver::fingerprintOf(positionOf(table)), solver::fingerprintOf(expected))
                << "seed " << seed << " step " << step << ": the game and the solver disagree on what a move does";
        }
        wins += table.Label5.Visible ? 1 : 0;
    }
    std::cout << moments << " moments, " << compared << " moves compared, " << offFoundations
              << " of them off a foundation; " << closedTops << " closed tops offered with the foundations alike; "
              << wins << " deals played to the win\n";
    EXPECT_GT(offFoundations, 0) << "no moment offered a card off a foundation";
    EXPECT_GT(closedTops, 0) << "no moment had a closed top";
    EXPECT_GT(wins, 0) << "no walk reached the end of a game";
}

}  // namespace
}  // namespace morvane
