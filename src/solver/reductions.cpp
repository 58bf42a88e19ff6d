// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Safe moves home and low cards staying home: two of the search's five reductions, each argued.
//
// Both rest on one argument, about a set H of cards that lie on the foundations, apart perhaps from
// one card at the end of a column that goes home first. Suppose that in a column nothing but cards
// of H can ever lie under a card of H, and that no card of H completes a foundation (H ranks at
// most 8). Take any line that wins from a position; strike out every move of a card of H and let
// H's cards lie home from the start. The shorter line still wins:
// - each column holds the line's cards less a tail of H's cards, so every card the line takes is
//   still a last card, every card it lines a card up under is still a last card, and every free
//   place is still free (the free places are alike: if the reserve's card turns into another one,
//   rename the columns);
// - each foundation holds the line's cards over H's, so its top is the line's whenever that top is
//   not in H, a card whose predecessor in H is the line's top finds it on top, a foundation is
//   complete at the same moments and the same tops may leave it;
// - the stock and the reserve hold no card of H and turn alike; at the end every card is home.
// Applied at the first position of a winning line that breaks a reduction, the striking makes the
// line no longer and moves its first break later, so some winning line keeps both everywhere.
#include "reductions.h"

#include <algorithm>
#include <array>

namespace morvane::solver {
namespace {

constexpr int kNotStarted = -1;

// No card of the other group that could ever be lined up under this card, nor any card that could
// go under one of those, is out of the foundations: both other-group cards ranked one lower and
// every card ranked two lower are home.
bool nothingNeedsIt(const HomeRanks& home, CardIndex card, int rank)
{
    for (int suit = 0; suit < 4; ++suit) {
        const bool sameGroup = static_cast<int>(groupOf(card)) == suit / 2;
        if (home.bySuit[static_cast<std::size_t>(suit)] < rank - (sameGroup ? 2 : 1)) {
            return false;
        }
    }
    return true;
}

// The foundation a column's last card goes onto when that is safe, or 0.
// H: the card X (rank r from 1 to 8), its predecessor, both other-group cards of rank r - 1 and
// every card ranked at most r - 2, all home but X. Under X go only the other-group cards of rank
// r - 1, and under a card ranked r - 1 or less only cards ranked r - 2 or less: all in H.
// A card of the base value (rank 0), under which nothing goes, is safe only as the last one out:
// while two are out, which foundation each opens decides which tops the game later keeps fixed.
// The last one out opens the one empty foundation now or later; H is that card alone.
int safeFoundation(const Deal& deal, const Position& p, const HomeRanks& home, CardIndex card)
{
    const int rank = rankOf(deal, card);
    const auto foundationHolding = [&](CardIndex top) {
        for (int f = 1; f <= 4; ++f) {
            if (p.foundationTop[static_cast<std::size_t>(f - 1)] == top) {
                return f;
            }
        }
        return 0;
    };
    if (rank == 0) {
        return std::count(home.bySuit.begin(), home.bySuit.end(), kNotStarted) == 1 ? foundationHolding(0) : 0;
    }
    if (rank > 8 || home.bySuit[static_cast<std::size_t>(suitOf(card))] != rank - 1 ||
        !nothingNeedsIt(home, card, rank)) {
        return 0;
    }
    return foundationHolding(predecessorOf(card));
}

}  // namespace

// H: every card ranked below the lowest rank still out. Under a card of rank k only a card of rank
// k - 1 goes, also in H, and H ranks at most 8 unless every card is home.
HomeRanks homeRanks(const Deal& deal, const Position& p)
{
    HomeRanks home;
    home.bySuit.fill(kNotStarted);
    for (const std::int8_t top : p.foundationTop) {
        if (top != 0) {
            home.bySuit[static_cast<std::size_t>(suitOf(top))] = rankOf(deal, top);
        }
    }
    home.lowestOut = 1 + *std::min_element(home.bySuit.begin(), home.bySuit.end());
    return home;
}

bool staysHome(const Deal& deal, const HomeRanks& home, CardIndex top) { return rankOf(deal, top) < home.lowestOut; }

std::optional<Move> safeMoveHome(const Deal& deal, const Position& p, const HomeRanks& home)
{
    for (int k = 1; k <= 4; ++k) {
        const Column& c = p.columns[static_cast<std::size_t>(k - 1)];
        if (c.count == 0) {
            continue;
        }
        if (const int f = safeFoundation(deal, p, home, c.last()); f != 0) {
            return Move{Move::Kind::Card, c.last(), columnSpot(k), foundationSpot(f)};
        }
    }
    return std::nullopt;
}

}  // namespace morvane::solver
