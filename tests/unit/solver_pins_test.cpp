// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the published figures rest on, pinned: the deals that seeds name, and the text of a deal
// that morvane-solve prints and reads back. A changed shuffle fails here, not silently in a share.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "seeded_deal.h"
#include "solver/move_text.h"

namespace morvane {
namespace {

TEST(SolverPins, SeedsNameTheSameDealsAsEver)
{
    EXPECT_EQ(solver::dealText(seededDeal(1)),
              "23 30 39 18 31 35 21 11 32 16 24 17 6 26 33 27 36 2 3 20 5 1 29 40 10 22 9 34 13 37 12 38 4 28 19 25 7 "
              "15 8 14");
    EXPECT_EQ(solver::dealText(seededDeal(24)),
              "27 26 1 23 34 20 32 21 38 37 7 11 24 31 12 19 40 8 22 36 29 3 25 6 14 9 35 17 28 5 13 10 2 39 30 4 15 "
              "16 33 18");
}

TEST(SolverPins, ADealReadsBackFromItsTextAndNothingElseReads)
{
    const solver::Deal deal = seededDeal(24);
    const std::optional<solver::Deal> read = solver::dealFromText(solver::dealText(deal));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->order, deal.order);
    EXPECT_EQ(read->baseValue, 4);  // the base card, deal position 5, is 34: the 4 of Spade
    const std::string forty = solver::dealText(deal);
    const std::string allButFirst = forty.substr(forty.find(' '));  // the first card is 27
    const std::vector<std::string> bad{"", forty + " 1", forty.substr(0, forty.rfind(' ')), "41" + allButFirst,
                                       "0" + allButFirst, "26" + allButFirst, forty + "x"};
    for (const std::string& text : bad) {
        EXPECT_FALSE(solver::dealFromText(text)) << text;
    }
}

}  // namespace
}  // namespace morvane
