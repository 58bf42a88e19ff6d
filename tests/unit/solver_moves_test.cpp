// The solver's own reading of the rules, at the corners a replay of its wins cannot show: moves
// it wrongly leaves out. (Moves it wrongly offers fail the replay through the game.)
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "solver/position.h"

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

bool offers(const Deal& deal, const Position& p, const Move& m)
{
    MoveList moves;
    legalMoves(deal, p, moves);
    return std::find(moves.items.begin(), moves.items.begin() + moves.size, m) != moves.items.begin() + moves.size;
}

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
    const auto down = [](std::int8_t card, int k) {
        return Move{Move::Kind::Card, card, foundationSpot(k), columnSpot(1)};
    };
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
    legalMoves(deal, p, moves);
    std::vector<std::pair<int, int>> fromWaste;  // card, clicks
    for (int i = 0; i < moves.size; ++i) {
        if (moves.items[static_cast<std::size_t>(i)].from == kWaste) {
            fromWaste.emplace_back(moves.items[static_cast<std::size_t>(i)].card,
                                   moves.items[static_cast<std::size_t>(i)].clicks);
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

}  // namespace
}  // namespace morvane::solver
