// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's own reading of the rules, at the corners a replay of its wins cannot show: moves
// it wrongly leaves out (moves it wrongly offers fail the replay through the game); and its
// reductions, which leave moves out on purpose and must not change whether a deal can be won.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "seeded_deal.h"
#include "solver/dead_ends.h"
#include "solver/position.h"
#include "solver/search.h"
#include "solver/seen_positions.h"

namespace morvane::solver {
namespace {

Deal dealWithBase(std::int16_t baseValue)
{
    Deal deal;
    std::iota(deal.order.begin(), deal.order.end(), CardIndex{0});
    deal.baseValue = baseValue;
    return deal;
}

// A position with these columns and foundation tops, an empty reserve and no stock.
Position laidOut(std::vector<std::vector<std::int8_t>> columns, std::array<std::int8_t, 4> foundations)
{
    Position p;
    p.foundationTop = foundations;
    p.reserveTurned = kReserveCards;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        p.columns[k].count = static_cast<std::int8_t>(columns[k].size());
        std::copy(columns[k].begin(), columns[k].end(), p.columns[k].cards.begin());
    }
    return p;
}

// The reductions on, the foundations told apart by their places as the game tells them.
constexpr Pruning kExactRules{.foundationsAlike = false};
constexpr Pruning kNoPruning{
    .lowCardsStayHome = false, .safeMovesFirst = false, .stockReach = false, .foundationsAlike = false, .deadEnds = false};

bool offers(const Deal& deal, const Position& p, const Move& m, const Pruning& pruning = kExactRules)
{
    MoveList moves;
    legalMoves(deal, p, moves, MoveSet::Every, pruning);
    return std::find(moves.items.begin(), moves.items.begin() + moves.size, m) != moves.items.begin() + moves.size;
}

// A foundation's top taken down onto the first column.
Move down(std::int8_t card, int k) { return {Move::Kind::Card, card, foundationSpot(k), columnSpot(1)}; }

constexpr Move kKingUnderAce{Move::Kind::Card, 30, columnSpot(2), columnSpot(1)};

TEST(SolverMoves, AKingGoesUnderAnAceOfTheOtherGroupUnlessTheBaseValueIsOne)
{
    EXPECT_TRUE(offers(dealWithBase(5), laidOut({{11}, {30}}, {5, 0, 0, 0}), kKingUnderAce));
    EXPECT_FALSE(offers(dealWithBase(1), laidOut({{11}, {30}}, {1, 0, 0, 0}), kKingUnderAce));
    EXPECT_FALSE(offers(dealWithBase(5), laidOut({{21}, {30}}, {5, 0, 0, 0}), kKingUnderAce)) << "same group";
}

TEST(SolverMoves, CompleteFoundationsFromTheFirstOnwardKeepTheirTops)
{
    const Deal deal = dealWithBase(1);
    const Position firstTwoComplete = laidOut({}, {10, 20, 29, 0});
    EXPECT_FALSE(offers(deal, firstTwoComplete, down(10, 1)));
    EXPECT_FALSE(offers(deal, firstTwoComplete, down(20, 2)));
    EXPECT_TRUE(offers(deal, firstTwoComplete, down(29, 3)));
    const Position secondComplete = laidOut({}, {9, 20, 21, 0});
    EXPECT_TRUE(offers(deal, secondComplete, down(9, 1)));
    EXPECT_TRUE(offers(deal, secondComplete, down(20, 2)));
    EXPECT_FALSE(offers(deal, secondComplete, down(21, 3))) << "a foundation's first card stays";
}

TEST(SolverMoves, TheStockTurnsThreeOrWhatIsLeftAndGoesRoundThroughTheRecycle)
{
    const Deal deal = dealWithBase(1);
    Position p = laidOut({}, {1, 0, 0, 0});
    p.stockLeft = (1U << kStockCards) - 1U;
    MoveList moves;
    legalMoves(deal, p, moves, MoveSet::Every, kExactRules);
    std::vector<std::pair<int, int>> fromWaste;  // card, clicks
    for (int i = 0; i < moves.size; ++i) {
        if (const Move& m = moves.items[static_cast<std::size_t>(i)]; m.from == kWaste) {
            fromWaste.emplace_back(m.card, m.clicks);
        }
    }
    // Ten turns bring up deal positions 15, 18, ... 39 and the last card, 40; the eleventh click
    // recycles. Each card may go on the free place, and the ace of Bastoni also opens any of the
    // three empty foundations.
    std::vector<std::pair<int, int>> expected;
    for (int turn = 1; turn <= 10; ++turn) {
        const int card = std::min(12 + 3 * turn, 40);
        expected.insert(expected.end(), card == 21 ? 4 : 1, {card, turn});
    }
    std::sort(fromWaste.begin(), fromWaste.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(fromWaste, expected);

    play(deal, p, {Move::Kind::Card, 18, kWaste, columnSpot(1), 2});
    EXPECT_EQ(wasteTop(deal, p), 17);
    EXPECT_EQ(stockCount(p), 22);
    // Off the round now: eight turns to the end of the pass, the recycle, then two turns bring up
    // deal position 19, the sixth card left.
    EXPECT_TRUE(offers(deal, p, {Move::Kind::Card, 19, kWaste, columnSpot(2), 11}));
}

// Base value 1: a card's rank is its value less one, Denari 1-10 and Coppe 11-20 short, Bastoni
// 21-30 and Spade 31-40 long.
TEST(SolverReductions, ACardNothingCanNeedAnyMoreGoesHomeAsTheOnlyMove)
{
    const Deal deal = dealWithBase(1);
    const Move home{Move::Kind::Card, 4, columnSpot(1), foundationSpot(1)};
    const auto onlyMove = [&](const Position& p, const Move& m) {
        MoveList moves;
        legalMoves(deal, p, moves);
        return moves.size == 1 && moves.items[0] == m;
    };
    // The 4 of Denari: both long 3s and every card up to the 2s are home.
    EXPECT_TRUE(onlyMove(laidOut({{4}, {27}}, {3, 12, 23, 33}), home));
    EXPECT_FALSE(offers(deal, laidOut({{4}, {28, 17}}, {3, 12, 23, 33}), {Move::Kind::Card, 17, columnSpot(2), columnSpot(3)}));
    EXPECT_TRUE(offers(deal, laidOut({{4}, {28, 17}}, {3, 12, 23, 33}), {Move::Kind::Card, 17, columnSpot(2), columnSpot(3)},
                       kNoPruning));
    // The 3 of Bastoni is out and could go under it; or the 2 of Coppe, which could go under a long 3.
    EXPECT_FALSE(onlyMove(laidOut({{4}, {27}}, {3, 12, 22, 33}), home));
    EXPECT_FALSE(onlyMove(laidOut({{4}, {27}}, {3, 11, 23, 33}), home));
    // A card of the base value goes at once only as the last one out: it has one foundation to open.
    EXPECT_TRUE(onlyMove(laidOut({{31}, {27}}, {1, 11, 21, 0}), {Move::Kind::Card, 31, columnSpot(1), foundationSpot(4)}));
    EXPECT_TRUE(offers(deal, laidOut({{31}, {27}}, {1, 11, 0, 0}), {Move::Kind::Card, 31, columnSpot(1), foundationSpot(3)}));
    EXPECT_TRUE(offers(deal, laidOut({{31}, {27}}, {1, 11, 0, 0}), {Move::Kind::Card, 31, columnSpot(1), foundationSpot(4)}));
}

TEST(SolverReductions, CardsRankedBelowEveryCardOutStayHome)
{
    const Deal deal = dealWithBase(1);
    // Up to the 3 of Denari and the 2s of the others home: the lowest card out ranks 2.
    const Position p = laidOut({{}, {40}}, {3, 12, 22, 32});
    EXPECT_TRUE(offers(deal, p, down(3, 1)));
    for (int k = 2; k <= 4; ++k) {
        EXPECT_FALSE(offers(deal, p, down(p.foundationTop[static_cast<std::size_t>(k - 1)], k))) << k;
        EXPECT_TRUE(offers(deal, p, down(p.foundationTop[static_cast<std::size_t>(k - 1)], k), kNoPruning)) << k;
    }
}

// A card taken from the middle of a pass leaves the waste off the round of clicks: clicks lead from
// there to the rest of its pass and onto the round, never back.
TEST(SolverReductions, APositionThatClicksLeadToFromOneSeenIsSeen)
{
    const Deal deal = dealWithBase(1);
    Position offRound = laidOut({}, {1, 0, 0, 0});
    offRound.stockLeft = (1U << kStockCards) - 1U;
    play(deal, offRound, {Move::Kind::Card, 18, kWaste, columnSpot(1), 2});
    const auto withWaste = [&](int waste) {
        Position p = offRound;
        p.waste = static_cast<std::int8_t>(waste);
        return p;
    };
    SeenPositions seen(true, false);
    EXPECT_TRUE(seen.insert(offRound));
    EXPECT_FALSE(seen.insert(withWaste(0)));  // the round
    EXPECT_FALSE(seen.insert(withWaste(8)));  // later in the pass
    EXPECT_TRUE(seen.insert(withWaste(7)));   // off the round in another place
    EXPECT_TRUE(seen.insert(withWaste(2)));   // earlier in the pass
    SeenPositions roundFirst(true, false);
    EXPECT_TRUE(roundFirst.insert(withWaste(0)));
    EXPECT_FALSE(roundFirst.insert(withWaste(27)));
    EXPECT_TRUE(roundFirst.insert(offRound));
    SeenPositions without(false, false);
    EXPECT_TRUE(without.insert(offRound));
    EXPECT_TRUE(without.insert(withWaste(0)));
    EXPECT_FALSE(without.insert(offRound));
}

// The table grows as positions come, its old slots moving into the new a few at a time: nothing
// seen is forgotten, whether its slot has moved yet or not.
TEST(SolverReductions, TheSeenTableForgetsNothingAsItGrows)
{
    SeenPositions seen(false, false);
    for (std::uint32_t i = 1; i <= 100'000; ++i) {
        ASSERT_TRUE(seen.insert(Position{.stockLeft = i}) && !seen.insert(Position{.stockLeft = i / 2 + 1})) << i;
    }
}

// With the foundations alike, positions with the foundations in another order are one, and a line
// that takes a closed top down is found out afterwards. (That one empty foundation stands for all
// and a closed top is offered, the move check against the game shows.)
TEST(SolverReductions, FoundationsAlikeDifferOnlyByTheClosure)
{
    const Deal deal = dealWithBase(1);
    const Position twoOpen = laidOut({{31}, {27}}, {1, 11, 0, 0});
    Position swapped = twoOpen;
    std::swap(swapped.foundationTop[0], swapped.foundationTop[1]);
    SeenPositions seenAlike(true, true);
    SeenPositions seenApart(true, false);
    EXPECT_TRUE(seenAlike.insert(twoOpen));
    EXPECT_TRUE(seenApart.insert(twoOpen));
    EXPECT_FALSE(seenAlike.insert(swapped));
    EXPECT_TRUE(seenApart.insert(swapped));

    const Position firstTwoComplete = laidOut({}, {10, 20, 29, 0});
    EXPECT_FALSE(obeysTheClosure(deal, firstTwoComplete, std::vector<Move>{down(29, 3), down(20, 2)}));
    EXPECT_TRUE(obeysTheClosure(deal, firstTwoComplete, std::vector<Move>{down(29, 3)}));
}

// Base value 1, the ace of Denari on the first foundation, the other aces and the 2 to 5 of
// Denari in the reserve: no card can go home, and the four 10s can go nowhere.
TEST(SolverReductions, ADeadEndIsAPositionWhereNoColumnCanEverComeFree)
{
    std::array<CardIndex, 41> order{0, 0, 0, 0, 0, 1, 11, 21, 31, 2, 3, 4, 5};
    std::vector<CardIndex> rest;
    for (CardIndex card = 6; card <= kCardCount; ++card) {
        if (card % kValuesPerSuit != 1) {
            rest.push_back(card);
        }
    }
    std::copy(rest.begin(), rest.begin() + 4, order.begin() + 1);
    std::copy(rest.begin() + 4, rest.end(), order.begin() + 13);
    const Deal deal = Deal::fromOrder(order);
    const auto at = [](std::vector<std::vector<std::int8_t>> columns, int reserveTurned) {
        Position p = laidOut(std::move(columns), {1, 0, 0, 0});
        p.reserveTurned = static_cast<std::int8_t>(reserveTurned);
        return p;
    };
    // The 8 of Denari could go under the 9 of Spade but for the 8 of Coppe, which could go under
    // the 9 of Bastoni but for the 8 of Denari; the 10s of Denari and Coppe can go nowhere.
    const std::vector<std::vector<std::int8_t>> eightsCrossed{{29, 8}, {39, 18}, {10}, {20}};
    EXPECT_TRUE(isDeadEnd(deal, at(eightsCrossed, 0)));
    EXPECT_FALSE(isDeadEnd(deal, at(eightsCrossed, kReserveCards))) << "nothing waits";
    EXPECT_FALSE(isDeadEnd(deal, at({{29, 8}, {39, 18}, {10}}, 0))) << "a place is free";
    // With the 8 of Coppe in the stock, the 8 of Denari goes under the 9 of Spade and the 9 of
    // Bastoni under the 10 of Denari: the first column comes free.
    EXPECT_FALSE(isDeadEnd(deal, at({{29, 8}, {39}, {10}, {20}}, 0)));
    // The 7 of Spade can go under the 8 of Denari once that comes from the stock under the 9 of
    // Bastoni, itself from the stock under the 10 of Denari.
    EXPECT_FALSE(isDeadEnd(deal, at({{10}, {20}, {30}, {37}}, 0)));
}

// The search of every move does stop at dead ends: seed 1151, lost for want of places for its
// reserve (its fourth card opens a suit), is proven lost after a fraction of the positions.
TEST(SolverReductions, TheSearchOfEveryMoveStopsAtDeadEnds)
{
    const Deal deal = morvane::seededDeal(1151);
    const Result with = solve(deal, {2'000'000, 0.0});
    const Result without = solve(deal, {2'000'000, 0.0}, {.deadEnds = false});
    ASSERT_EQ(with.outcome, Outcome::Lost);
    ASSERT_EQ(without.outcome, Outcome::Lost);
    EXPECT_LT(4 * with.positions, without.positions);
}

// The reductions only speed the search up: on real deals, no verdict found with them contradicts
// one found without them, and they decide the lost deals too.
TEST(SolverReductions, TheyChangeNoVerdictOfRealDeals)
{
    int decidedBoth = 0;
    int lostBoth = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        const Deal deal = morvane::seededDeal(seed);
        const Outcome with = solve(deal, {20000, 0.0}).outcome;
        const Outcome without = solve(deal, {20000, 0.0}, kNoPruning).outcome;
        if (with != Outcome::Unknown && without != Outcome::Unknown) {
            EXPECT_EQ(with, without) << "seed " << seed;
            ++decidedBoth;
            lostBoth += with == Outcome::Lost ? 1 : 0;
        }
    }
    EXPECT_GT(decidedBoth, 150);
    EXPECT_GT(lostBoth, 0);
}

// The searches take turns counted in positions, so a budget in positions is kept (give or take
// the children of the last position searched), and a longer one only adds turns at the end: a
// deal decided within a budget is decided the same way, after the same positions, within four
// times that budget. The published runs rest on both.
TEST(SolverSearch, ALongerBudgetOnlyAddsTurnsAtTheEnd)
{
    constexpr std::uint64_t kShort = 3000;
    int decided = 0;
    int undecided = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        const Deal deal = morvane::seededDeal(seed);
        const Result brief = solve(deal, {kShort, 0.0});
        const Result longer = solve(deal, {4 * kShort, 0.0});
        EXPECT_LE(brief.positions, kShort + kMostMoves) << "seed " << seed;
        EXPECT_LE(longer.positions, 4 * kShort + kMostMoves) << "seed " << seed;
        if (brief.outcome == Outcome::Unknown) {
            ++undecided;
            continue;
        }
        ++decided;
        EXPECT_EQ(longer.outcome, brief.outcome) << "seed " << seed;
        EXPECT_EQ(longer.positions, brief.positions) << "seed " << seed;
        EXPECT_EQ(longer.moves, brief.moves) << "seed " << seed;
    }
    EXPECT_GT(decided, 40);
    EXPECT_GT(undecided, 0);
}

}  // namespace
}  // namespace morvane::solver
