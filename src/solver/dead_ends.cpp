// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Why a dead end can be told from its position alone.
//
// Take a position with every column place taken and cards in the reserve. Until a place comes
// free, the reserve cannot turn, so its cards stay where they are, and every other card moves only
// onto a foundation or under the last card of a column. Call a card free to leave when, as far as
// where the cards lie tells, it could leave its place before a place comes free:
// - a card of a column or the stock is free to leave when every card under it in its column is,
//   and it can go home (each card of its suit below it is home or can go home) or go under a card
//   that can come to the end of a column;
// - a card of a column can come to the end of a column when every card under it is free to leave;
//   a card of the stock or of a foundation, when it can go under a card that can come to the end
//   of a column;
// - a card of the reserve is never free to leave, and never comes to the end of a column.
// The cards are found by adding them while some rule adds one. Every card that really leaves its
// place before a place comes free is among them, by induction on the moves: when it leaves, the
// cards that were under it have left already, the cards of its suit below it have gone home
// already, and the card it goes under has come to the end of its column by the moves before. A
// column comes free only when each of its cards has left, so when every column holds a card not
// free to leave, no place ever comes free, the reserve never empties, and the position is lost.
//
// The rules leave out when a card shows in the waste, which foundation tops may come down, and
// that a card cannot go under a card of its own column: each only adds cards, so the test stays
// sound, and cheap enough to ask of every position the search of every move meets.
#include "dead_ends.h"

#include <array>
#include <bit>

#include "column_rule.h"

namespace morvane::solver {
namespace {

using Cards = std::uint64_t;  // one bit per card

constexpr Cards bitOf(int card) { return Cards{1} << card; }
constexpr Cards kAllCards = ((Cards{1} << (kCardCount + 1)) - 1) & ~Cards{1};

// For each base value, the cards of each rank: the test asks it of every position it is put.
constexpr auto kCardsByRank = [] {
    std::array<std::array<Cards, kValuesPerSuit>, kValuesPerSuit + 1> cards{};
    for (std::int16_t base = 1; base <= kValuesPerSuit; ++base) {
        for (CardIndex card = 1; card <= kCardCount; ++card) {
            const int rank = rankOf(Deal{.baseValue = base}, card);
            cards[static_cast<std::size_t>(base)][static_cast<std::size_t>(rank)] |= bitOf(card);
        }
    }
    return cards;
}();

// Where the cards lie, as the test reads it.
struct Layout {
    std::array<Cards, 4> columns{};
    std::array<Cards, kCardCount + 1> under{};  // for a column card, the cards under it in its column
    Cards inColumns = 0;
    Cards home = 0;
    Cards reserve = 0;
};

Layout layoutOf(const Deal& deal, const Position& p)
{
    Layout l;
    for (std::size_t k = 0; k < 4; ++k) {
        const Column& c = p.columns[k];
        for (int i = c.count - 1; i >= 0; --i) {
            const int card = c.cards[static_cast<std::size_t>(i)];
            l.under[static_cast<std::size_t>(card)] = l.columns[k];
            l.columns[k] |= bitOf(card);
        }
        l.inColumns |= l.columns[k];
    }
    // A foundation holds its suit's cards from the base value up to its top.
    for (const std::int8_t top : p.foundationTop) {
        for (CardIndex card = top; card != 0; card = hasBaseValue(card, deal.baseValue) ? 0 : predecessorOf(card)) {
            l.home |= bitOf(card);
        }
    }
    for (int i = kFirstReservePosition + p.reserveTurned; i < kFirstReservePosition + kReserveCards; ++i) {
        l.reserve |= bitOf(deal.order[static_cast<std::size_t>(i)]);
    }
    return l;
}

// The cards found free to leave, found able to go home, and, outside the columns, found able to
// come to the end of a column.
class Freedom {
public:
    Freedom(const Deal& deal, const Layout& l)
        : deal_(deal), l_(l), byRank_(kCardsByRank[static_cast<std::size_t>(deal.baseValue)])
    {
    }

    // Adds cards until no rule adds one; true as soon as some column is found to come free.
    bool someColumnComesFree()
    {
        for (bool added = true; added;) {
            added = addEnds();
            added = addLeaving() || added;
            for (const Cards column : l_.columns) {
                if ((column & ~free_) == 0) {
                    return true;
                }
            }
        }
        return false;
    }

private:
    bool uncovered(int card) const { return (l_.under[static_cast<std::size_t>(card)] & ~free_) == 0; }

    bool canGoUnderAnEnd(int card) const
    {
        for (Cards over = cardsToLineUpUnder(deal_, static_cast<CardIndex>(card)); over != 0; over &= over - 1) {
            const int target = std::countr_zero(over);
            if ((l_.inColumns & bitOf(target)) != 0 ? uncovered(target) : (end_ & bitOf(target)) != 0) {
                return true;
            }
        }
        return false;
    }

    // A card comes to an end through the cards it goes under, one rank higher: the ranks are
    // taken from the highest down, so that one sweep carries most of what it can.
    bool addEnds()
    {
        bool added = false;
        const Cards open = kAllCards & ~l_.inColumns & ~l_.reserve & ~end_;
        for (auto rank = byRank_.rbegin(); rank != byRank_.rend(); ++rank) {
            for (Cards left = *rank & open; left != 0; left &= left - 1) {
                const int card = std::countr_zero(left);
                if (canGoUnderAnEnd(card)) {
                    end_ |= bitOf(card);
                    added = true;
                }
            }
        }
        return added;
    }

    // A card leaves once the cards under it, and the cards of its suit below it, have: all ranked
    // lower, so the ranks are taken from the lowest up.
    bool addLeaving()
    {
        bool added = false;
        const Cards open = kAllCards & ~l_.home & ~l_.reserve & ~(free_ & canGoHome_);
        for (const Cards rank : byRank_) {
            for (Cards left = rank & open; left != 0; left &= left - 1) {
                const int card = std::countr_zero(left);
                if (!uncovered(card)) {
                    continue;
                }
                const CardIndex below = predecessorOf(static_cast<CardIndex>(card));
                if ((canGoHome_ & bitOf(card)) == 0 && (hasBaseValue(static_cast<CardIndex>(card), deal_.baseValue) ||
                                                        ((l_.home | canGoHome_) & bitOf(below)) != 0)) {
                    canGoHome_ |= bitOf(card);
                    added = true;
                }
                if ((free_ & bitOf(card)) == 0 && ((canGoHome_ & bitOf(card)) != 0 || canGoUnderAnEnd(card))) {
                    free_ |= bitOf(card);
                    added = true;
                }
            }
        }
        return added;
    }

    const Deal& deal_;
    const Layout& l_;
    Cards free_ = 0;
    Cards canGoHome_ = 0;
    Cards end_ = 0;
    const std::array<Cards, kValuesPerSuit>& byRank_;
};

}  // namespace

bool isDeadEnd(const Deal& deal, const Position& p)
{
    if (p.reserveTurned == kReserveCards) {
        return false;
    }
    for (const Column& c : p.columns) {
        if (c.count == 0) {
            return false;
        }
    }
    const Layout layout = layoutOf(deal, p);
    return !Freedom(deal, layout).someColumnComesFree();
}

}  // namespace morvane::solver
