// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Real deals that the solver wins, replayed through the pointer router as a player's hand plays
// them: a press on the card, a carry, a release over the target, clicks on the stock and the
// reserve. The table is audited after every event, each card that changed zone checked against
// the move before, and the table compared with the solver's own position after every move, so the
// game's rules and the solver's reading of them are checked each against the other.
#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "seeded_deal.h"
#include "solver/move_text.h"
#include "solver/search.h"
#include "support/checked_router.h"
#include "support/fake_ports.h"

namespace morvane {
namespace {

using solver::Move;
using testing::Point;

constexpr int kDealsToWin = 200;
// A budget in positions, so that every machine, sanitizers included, replays the same deals.
constexpr solver::Budget kBudget{50000, 0.0};
// A card is let go this far inside its target: the probe of the rules is strict on cards.
constexpr float kDropInset = 5.0F;

std::vector<int> dealtCards(const solver::Deal& deal) { return {deal.order.begin() + 1, deal.order.end()}; }

class Replay {
public:
    explicit Replay(const solver::Deal& deal)
        : deal_(deal),
          position_(solver::initialPosition(deal)),
          machine_(testing::dealtGame(dealtCards(deal))),
          router_(machine_->game)
    {
    }

    const Table& table() const { return machine_->game.table; }
    int beeps() const { return machine_->beeper.beeps; }

    // Plays one move; the first fault found, or "".
    std::string play(const Move& m)
    {
        std::string fault = m.kind == Move::Kind::Card ? carry(m) : click(m);
        if (fault.empty()) {
            solver::play(deal_, position_, m);
            fault = differences();
        }
        return fault;
    }

private:
    enum class Event { Move, Press, Release };

    std::string send(Event e, Point p)
    {
        switch (e) {
        case Event::Move:
            router_.move(p.x, p.y);
            break;
        case Event::Press:
            router_.press(kLeftButton, p.x, p.y);
            break;
        case Event::Release:
            router_.release(kLeftButton, p.x, p.y);
            break;
        }
        return router_.fault();
    }

    std::string sendAll(std::initializer_list<std::pair<Event, Point>> events)
    {
        for (const auto& [e, p] : events) {
            if (std::string fault = send(e, p); !fault.empty()) {
                return fault;
            }
        }
        return "";
    }

    std::string click(const Move& m)
    {
        const bool reserve = m.kind == Move::Kind::Reserve;
        const bool shown = reserve ? table().Mazzo2.Visible : table().Mazzo.Visible;
        if (shown != (m.kind != Move::Kind::Recycle)) {
            return "the " + std::string(reserve ? "reserve" : "stock") + " image is " + (shown ? "shown" : "hidden");
        }
        const Point at = reserve ? testing::kReservePoint : testing::kStockPoint;
        return sendAll({{Event::Move, at}, {Event::Press, at}, {Event::Release, at}});
    }

    // Where the card is let go, and where it must then lie.
    struct Target {
        Point drop;
        Point rest;
    };

    Target targetOf(solver::Spot to) const
    {
        const float left = geometry::placeLeftOf(to);
        if (solver::isFoundation(to)) {
            return {{left + kDropInset, geometry::kFoundationTop + kDropInset}, {left, geometry::kFoundationTop}};
        }
        const int count = position_.columns[static_cast<std::size_t>(to - 5)].count;
        const float dropTop = count == 0 ? geometry::kColumnTop : geometry::columnRowTop(count);
        return {{left + kDropInset, dropTop + kDropInset}, {left, geometry::columnRowTop(count + 1)}};
    }

    std::string carry(const Move& m)
    {
        const CardIndex card = m.card;
        if (m.from == solver::kWaste) {
            // The pointer passing over the table brings the top of the waste within reach.
            if (std::string fault = sendAll({{Event::Move, testing::kBareTable}}); !fault.empty()) {
                return fault;
            }
        }
        const std::optional<Point> at = testing::reachablePointOf(table(), card);
        if (!at) {
            return "card " + std::to_string(card) + " cannot be taken";
        }
        const CardPicture& c = table().card(card);
        const Point grab{at->x - c.Left, at->y - c.Top};
        const Target target = targetOf(m.to);
        const Point end{target.drop.x + grab.x, target.drop.y + grab.y};
        const Point halfway{(at->x + end.x) / 2.0F, (at->y + end.y) / 2.0F};
        if (std::string fault = sendAll({{Event::Move, *at},
                                         {Event::Press, *at},
                                         {Event::Move, halfway},
                                         {Event::Move, end},
                                         {Event::Release, end}});
            !fault.empty()) {
            return fault;
        }
        if (c.Left != target.rest.x || c.Top != target.rest.y) {
            std::ostringstream s;
            s << "card " << card << " lies at (" << c.Left << ", " << c.Top << "), not at (" << target.rest.x << ", "
              << target.rest.y << ")";
            return s.str();
        }
        return "";
    }

    // The table against the solver's position: foundations, columns, reserve, stock and waste.
    std::string differences() const
    {
        const Table& t = table();
        for (int k = 1; k <= 4; ++k) {
            if (t.placeCard(k) != position_.foundationTop[static_cast<std::size_t>(k - 1)]) {
                return "foundation " + std::to_string(k) + " has " + std::to_string(t.placeCard(k)) + " on top";
            }
            const solver::Column& column = position_.columns[static_cast<std::size_t>(k - 1)];
            for (int row = 1; row <= column.count; ++row) {
                const CardPicture& c = t.card(column.cards[static_cast<std::size_t>(row - 1)]);
                if (testing::spotAt(c.Left, c.Top) != testing::Spot{testing::Zone::Column, k, row}) {
                    return "column " + std::to_string(k) + " row " + std::to_string(row) + " differs";
                }
            }
            if ((t.placeCard(k + 4) != 0) != (column.count > 0)) {
                return "column place " + std::to_string(k) + " is marked wrongly";
            }
        }
        if (t.ReserveNext != kFirstReservePosition + position_.reserveTurned) {
            return "ReserveNext is " + std::to_string(t.ReserveNext);
        }
        std::vector<CardIndex> stock;
        std::set<CardIndex> waste;
        for (int bit = 0; bit < solver::kStockCards; ++bit) {
            if ((position_.stockLeft >> bit & 1U) != 0) {
                const CardIndex c = deal_.order[static_cast<std::size_t>(kFirstStockPosition + bit)];
                if (static_cast<int>(waste.size()) < position_.waste) {
                    waste.insert(c);  // the waste holds the lowest deal positions
                } else {
                    stock.push_back(c);
                }
            }
        }
        if (!std::equal(stock.begin(), stock.end(), t.StockCards.begin(), t.StockCards.end())) {
            return "the stock differs";
        }
        for (CardIndex c = 1; c <= kCardCount; ++c) {
            const bool inWaste = testing::spotAt(t.card(c).Left, t.card(c).Top).zone == testing::Zone::Waste;
            if (inWaste != waste.contains(c)) {
                return "card " + std::to_string(c) + " is wrongly in or out of the waste";
            }
        }
        return "";
    }

    solver::Deal deal_;
    solver::Position position_;
    std::unique_ptr<testing::FakeMachine> machine_;
    testing::CheckedRouter router_;
};

TEST(DealReplay, SolverWinsOfRealDealsAreWonThroughThePointerRouter)
{
    std::set<std::vector<int>> deals;
    int moves = 0;
    std::uint64_t seed = 1;
    for (; deals.size() < kDealsToWin; ++seed) {
        const solver::Deal deal = seededDeal(seed);
        const solver::Result solved = solver::solve(deal, kBudget);
        if (solved.outcome != solver::Outcome::Won) {
            continue;
        }
        Replay replay(deal);
        ASSERT_EQ(std::vector<int>(replay.table().DealOrder.begin() + 1, replay.table().DealOrder.end()),
                  dealtCards(deal));
        for (std::size_t i = 0; i < solved.moves.size(); ++i) {
            ASSERT_EQ(replay.beeps(), 0) << "seed " << seed << ": won before move " << i;
            ASSERT_EQ(replay.play(solved.moves[i]), "")
                << "seed " << seed << ", move " << i << " " << solver::moveText(solved.moves[i]) << "\n  cards "
                << solver::dealText(deal) << "\n  moves " << solver::movesText(solved.moves);
        }
        EXPECT_EQ(replay.beeps(), 1) << "seed " << seed;
        EXPECT_TRUE(replay.table().Label5.Visible) << "seed " << seed;
        deals.insert(dealtCards(deal));
        moves += static_cast<int>(solved.moves.size());
    }
    std::cout << deals.size() << " deals won of seeds 1 to " << seed - 1 << ", " << moves << " moves replayed\n";
}

}  // namespace
}  // namespace morvane
