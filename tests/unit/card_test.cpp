// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Card arithmetic at its edges: suits, values, groups, the circle of values and place numbers from x.
#include <gtest/gtest.h>

#include <set>

#include "game/card.h"
#include "game/geometry.h"
#include "game/table.h"

namespace morvane {
namespace {

struct CardFacts {
    CardIndex card;
    Suit suit;
    std::int16_t value;
    Group group;
    std::int16_t key;
};

class CardIdentity : public ::testing::TestWithParam<CardFacts> {};

TEST_P(CardIdentity, SuitValueGroupAndComparisonKey)
{
    const CardFacts& facts = GetParam();
    EXPECT_EQ(suitOf(facts.card), facts.suit);
    EXPECT_EQ(valueOf(facts.card), facts.value);
    EXPECT_EQ(groupOf(facts.card), facts.group);
    EXPECT_EQ(valueKey(facts.card), facts.key);
}

// The edges of each suit, and the edge between the short and the long suits at 20 | 21.
INSTANTIATE_TEST_SUITE_P(
    SuitEdges, CardIdentity,
    ::testing::Values(CardFacts{1, Suit::Denari, 1, Group::Short, 1}, CardFacts{10, Suit::Denari, 10, Group::Short, 0},
                      CardFacts{11, Suit::Coppe, 1, Group::Short, 1}, CardFacts{18, Suit::Coppe, 8, Group::Short, 8},
                      CardFacts{20, Suit::Coppe, 10, Group::Short, 0}, CardFacts{21, Suit::Bastoni, 1, Group::Long, 1},
                      CardFacts{30, Suit::Bastoni, 10, Group::Long, 0}, CardFacts{31, Suit::Spade, 1, Group::Long, 1},
                      CardFacts{39, Suit::Spade, 9, Group::Long, 9}, CardFacts{40, Suit::Spade, 10, Group::Long, 0}));

TEST(CardIndex, IsTheSuitAndValueItWasMadeOf)
{
    for (CardIndex n = 1; n <= kCardCount; ++n) {
        EXPECT_EQ(cardOf(suitOf(n), valueOf(n)), n) << "card " << n;
    }
}

TEST(CardIndex, OnlyOneToFortyAreCards)
{
    EXPECT_FALSE(isCard(0));
    EXPECT_TRUE(isCard(1));
    EXPECT_TRUE(isCard(40));
    EXPECT_FALSE(isCard(41));
    EXPECT_FALSE(isCard(-1));
}

TEST(BaseValue, AKingMatchesABaseValueOfTen)
{
    EXPECT_TRUE(hasBaseValue(10, 10));
    EXPECT_TRUE(hasBaseValue(40, 10));
    EXPECT_FALSE(hasBaseValue(1, 10));
    EXPECT_FALSE(hasBaseValue(10, 1));
    EXPECT_TRUE(hasBaseValue(31, 1));
    EXPECT_TRUE(hasBaseValue(25, 5));
}

struct Neighbours {
    CardIndex card;
    CardIndex successor;
    CardIndex predecessor;
};

class CircleOfValues : public ::testing::TestWithParam<Neighbours> {};

TEST_P(CircleOfValues, NeighboursStayInTheSuit)
{
    const Neighbours& n = GetParam();
    EXPECT_EQ(successorOf(n.card), n.successor);
    EXPECT_EQ(predecessorOf(n.card), n.predecessor);
}

// After the king comes the ace of the same suit, and before the ace its king.
INSTANTIATE_TEST_SUITE_P(AroundTheCircle, CircleOfValues,
                         ::testing::Values(Neighbours{10, 1, 9}, Neighbours{1, 2, 10}, Neighbours{11, 12, 20},
                                           Neighbours{20, 11, 19}, Neighbours{21, 22, 30}, Neighbours{30, 21, 29},
                                           Neighbours{31, 32, 40}, Neighbours{40, 31, 39}, Neighbours{5, 6, 4}));

TEST(CircleOfValues, TenStepsUpVisitEveryCardOfTheSuitOnce)
{
    for (CardIndex start = 1; start <= kCardCount; ++start) {
        std::set<CardIndex> seen;
        CardIndex n = start;
        for (int step = 0; step < kValuesPerSuit; ++step) {
            EXPECT_EQ(suitOf(n), suitOf(start));
            seen.insert(n);
            EXPECT_EQ(predecessorOf(successorOf(n)), n);
            n = successorOf(n);
        }
        EXPECT_EQ(n, start);
        EXPECT_EQ(seen.size(), 10U);
    }
}

TEST(NextValueCard, IsTheSuccessorsValueInEachSuit)
{
    for (CardIndex n = 1; n <= kCardCount; ++n) {
        for (int suit = 0; suit < 4; ++suit) {
            EXPECT_EQ(nextValueCard(n, suit), cardOf(static_cast<Suit>(suit), valueOf(successorOf(n))))
                << "card " << n << ", suit " << suit;
        }
    }
}

TEST(NextValueCard, AfterAKingComeTheFourAces)
{
    EXPECT_EQ(nextValueCard(20, 0), 1);
    EXPECT_EQ(nextValueCard(20, 1), 11);
    EXPECT_EQ(nextValueCard(20, 2), 21);
    EXPECT_EQ(nextValueCard(20, 3), 31);
}

struct XToPlace {
    float left;
    std::int16_t place;
};

class PlaceNumber : public ::testing::TestWithParam<XToPlace> {};

TEST_P(PlaceNumber, IsTheNearestPlaceToTheCardsX)
{
    EXPECT_EQ(geometry::placeNumberFromX(GetParam().left), GetParam().place);
}

// The four place x's, a card a little off them either way, and the waste fan beyond the fourth place.
INSTANTIATE_TEST_SUITE_P(PlacesAndWaste, PlaceNumber,
                         ::testing::Values(XToPlace{90.0F, 1}, XToPlace{160.0F, 2}, XToPlace{230.0F, 3},
                                           XToPlace{300.0F, 4}, XToPlace{124.0F, 1}, XToPlace{126.0F, 2},
                                           XToPlace{56.0F, 1}, XToPlace{380.0F, 5}, XToPlace{420.0F, 6}));

TEST(PlaceCard, NumbersOutsideTheEightPlacesReadAsOccupiedAndAreNeverWritten)
{
    Table table;
    table.setPlaceCard(0, 7);
    table.setPlaceCard(9, 7);
    table.setPlaceCard(5, 5);
    EXPECT_EQ(table.placeCard(0), -1);
    EXPECT_EQ(table.placeCard(9), -1);
    EXPECT_EQ(table.placeCard(5), 5);
    EXPECT_EQ(table.PlaceCard[0], 0);
}

}  // namespace
}  // namespace morvane
