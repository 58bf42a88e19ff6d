// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The moves of a deal, read from the game's rules: what may go where, and what a move changes.
#include "position.h"

#include <algorithm>
#include <bit>
#include <cassert>

#include "column_rule.h"
#include "reductions.h"

namespace morvane::solver {
namespace {

constexpr int kFirstStockPosition = 13;
constexpr int kCardsPerTurn = 3;

// A foundation grows by the next card of its suit; a card of the base value opens an empty one.
bool stacksOn(const Deal& deal, CardIndex card, CardIndex top)
{
    return hasBaseValue(card, deal.baseValue) ? top == 0 : top != 0 && top == predecessorOf(card);
}

// Complete: the card after the top would be of the base value again.
bool isComplete(const Deal& deal, CardIndex top) { return top != 0 && hasBaseValue(successorOf(top), deal.baseValue); }

// The top of a foundation can be taken unless it is the foundation's first card, or the game has
// closed it: once foundations 1 to k are all complete, the top of each of them stays put.
bool mayLeaveFoundation(const Deal& deal, const Position& p, int k, bool closure)
{
    const CardIndex top = p.foundationTop[static_cast<std::size_t>(k - 1)];
    if (top == 0 || hasBaseValue(top, deal.baseValue)) {
        return false;
    }
    if (!closure) {
        return true;
    }
    for (int j = 1; j <= k; ++j) {
        if (!isComplete(deal, p.foundationTop[static_cast<std::size_t>(j - 1)])) {
            return true;
        }
    }
    return false;
}

const Column& column(const Position& p, Spot s) { return p.columns[static_cast<std::size_t>(s - 5)]; }
Column& column(Position& p, Spot s) { return p.columns[static_cast<std::size_t>(s - 5)]; }

bool reserveEmpty(const Position& p) { return p.reserveTurned == kReserveCards; }

int firstFreeColumn(const Position& p)
{
    for (int k = 1; k <= 4; ++k) {
        if (p.columns[static_cast<std::size_t>(k - 1)].count == 0) {
            return k;
        }
    }
    return 0;
}

// The waste after a click: the next cards of the stock turn into it, or an empty stock takes it back.
int wasteAfterClick(int waste, int cards) { return waste < cards ? std::min(waste + kCardsPerTurn, cards) : 0; }

void clickStock(Position& p)
{
    p.waste = static_cast<std::int8_t>(wasteAfterClick(p.waste, std::popcount(p.stockLeft)));
}

struct Source {
    CardIndex card;
    Spot from;
    std::uint8_t clicks;
};

// The cards a player can take: the last card of each column, each card that some clicks on the
// stock bring to the top of the waste, and the foundation tops.
struct Sources {
    std::array<Source, 40> items{};
    int size = 0;
    int foundationsFrom = 0;  // items from here on lie on the foundations
};

Sources takeableCards(const Deal& deal, const Position& p, const Pruning& pruning, const HomeRanks& home)
{
    Sources s;
    const auto add = [&](CardIndex c, Spot from, int clicks) {
        assert(s.size < static_cast<int>(s.items.size()));
        s.items[static_cast<std::size_t>(s.size++)] = {c, from, static_cast<std::uint8_t>(clicks)};
    };
    for (int k = 1; k <= 4; ++k) {
        if (const Column& c = p.columns[static_cast<std::size_t>(k - 1)]; c.count > 0) {
            add(c.last(), columnSpot(k), 0);
        }
    }
    // Clicks on the stock turn it to the end of the pass, then go round and round: the recycle,
    // and turns of three until the stock is empty. Every waste top they can show is offered.
    std::array<std::int8_t, kStockCards> bits{};  // the deal positions still in play, in order
    int cards = 0;
    for (std::uint32_t left = p.stockLeft; left != 0; left &= left - 1) {
        bits[static_cast<std::size_t>(cards++)] = static_cast<std::int8_t>(std::countr_zero(left));
    }
    std::uint32_t shown = 0;
    for (int waste = p.waste, clicks = 0; (shown & (1U << waste)) == 0; ++clicks) {
        shown |= 1U << waste;
        if (waste > 0) {
            add(deal.order[static_cast<std::size_t>(kFirstStockPosition + bits[static_cast<std::size_t>(waste - 1)])],
                kWaste, clicks);
        }
        waste = wasteAfterClick(waste, cards);
    }
    s.foundationsFrom = s.size;
    for (int k = 1; k <= 4; ++k) {
        const CardIndex top = p.foundationTop[static_cast<std::size_t>(k - 1)];
        if (mayLeaveFoundation(deal, p, k, !pruning.foundationsAlike) &&
            !(pruning.lowCardsStayHome && staysHome(deal, home, top))) {
            add(p.foundationTop[static_cast<std::size_t>(k - 1)], foundationSpot(k), 0);
        }
    }
    return s;
}

Move cardMove(const Source& s, Spot to)
{
    return {Move::Kind::Card, static_cast<std::int8_t>(s.card), s.from, to, s.clicks};
}

// A card of the base value may open any empty foundation, and which one matters only to which
// foundations keep their tops once complete. With no card ever taken off a foundation, or the
// closure set aside, it does not matter at all, and the first empty one stands for all.
void addFoundationMoves(const Deal& deal, const Position& p, const Source& s, bool firstOpeningOnly, MoveList& moves)
{
    for (int k = 1; k <= 4; ++k) {
        if (stacksOn(deal, s.card, p.foundationTop[static_cast<std::size_t>(k - 1)])) {
            moves.add(cardMove(s, foundationSpot(k)));
            if (firstOpeningOnly) {
                return;
            }
        }
    }
}

// A column card worth moving within the columns: it empties its column, or it uncovers a card
// that can go on at once, onto a foundation or under another column's last card.
bool uncoversSomething(const Deal& deal, const Position& p, const Source& s)
{
    const Column& from = column(p, s.from);
    if (from.count == 1) {
        return true;
    }
    const CardIndex uncovered = from.cards[static_cast<std::size_t>(from.count - 2)];
    for (int k = 1; k <= 4; ++k) {
        const Column& c = p.columns[static_cast<std::size_t>(k - 1)];
        if (stacksOn(deal, uncovered, p.foundationTop[static_cast<std::size_t>(k - 1)]) ||
            (columnSpot(k) != s.from && c.count > 0 && linesUpUnder(deal, uncovered, c.last()))) {
            return true;
        }
    }
    return false;
}

void addLineUps(const Deal& deal, const Position& p, const Source& s, MoveList& moves)
{
    for (int k = 1; k <= 4; ++k) {
        const Column& c = p.columns[static_cast<std::size_t>(k - 1)];
        if (columnSpot(k) != s.from && c.count > 0 && linesUpUnder(deal, s.card, c.last())) {
            moves.add(cardMove(s, columnSpot(k)));
        }
    }
}

// Any card may go on a free column place. The free places are alike, since the columns' places
// are mere names (the reserve turns into the leftmost free place, but any free place would do the
// same): one of them is enough, and a column's only card gains nothing by changing place.
void addFreePlaceMoves(const Position& p, const Source& s, MoveList& moves)
{
    const int k = firstFreeColumn(p);
    if (k != 0 && !(isColumn(s.from) && column(p, s.from).count == 1)) {
        moves.add(cardMove(s, columnSpot(k)));
    }
}

// The bit of the waste's top card: the highest of the lowest `waste` positions still in play.
int wasteTopBit(const Position& p)
{
    std::uint32_t left = p.stockLeft;
    for (int i = 1; i < p.waste; ++i) {
        left &= left - 1;
    }
    return std::countr_zero(left);
}

// The card leaves its spot; what lay under it there is uncovered.
void takeFrom(Position& p, const Move& m)
{
    if (m.from == kWaste) {
        assert(p.waste > 0);
        p.stockLeft &= ~(1U << wasteTopBit(p));
        --p.waste;
    } else if (isFoundation(m.from)) {
        p.foundationTop[static_cast<std::size_t>(m.from - 1)] = static_cast<std::int8_t>(predecessorOf(m.card));
    } else {
        assert(column(p, m.from).count > 0);
        --column(p, m.from).count;
    }
}

}  // namespace

int stockCount(const Position& p) { return std::popcount(p.stockLeft) - p.waste; }

CardIndex wasteTop(const Deal& deal, const Position& p)
{
    if (p.waste == 0) {
        return 0;
    }
    return deal.order[static_cast<std::size_t>(kFirstStockPosition + wasteTopBit(p))];
}

void legalMoves(const Deal& deal, const Position& p, MoveList& moves, MoveSet set, const Pruning& pruning)
{
    moves.size = 0;
    const HomeRanks home = homeRanks(deal, p);
    if (pruning.safeMovesFirst) {
        if (const std::optional<Move> safe = safeMoveHome(deal, p, home)) {
            moves.add(*safe);
            return;
        }
    }
    const Sources sources = takeableCards(deal, p, pruning, home);
    const bool purposeful = set != MoveSet::Every;
    // With purposeful moves only, a column card moves within the columns only for a purpose.
    const auto worthIt = [&](const Source& s) {
        return !purposeful || !isColumn(s.from) || uncoversSomething(deal, p, s);
    };
    const auto each = [&](int from, int to, auto add) {
        for (int i = from; i < to; ++i) {
            add(sources.items[static_cast<std::size_t>(i)]);
        }
    };
    const bool firstOpeningOnly = purposeful || pruning.foundationsAlike;
    each(0, sources.foundationsFrom, [&](const Source& s) { addFoundationMoves(deal, p, s, firstOpeningOnly, moves); });
    if (set == MoveSet::Hasty && moves.size > 0) {
        moves.size = 1;
        return;
    }
    if (!reserveEmpty(p) && firstFreeColumn(p) != 0) {
        moves.add({Move::Kind::Reserve});
    }
    each(0, sources.foundationsFrom, [&](const Source& s) {
        if (worthIt(s)) {
            addLineUps(deal, p, s, moves);
        }
    });
    // Cards taken off a foundation come last, and not at all with purposeful moves only.
    each(0, purposeful ? sources.foundationsFrom : sources.size, [&](const Source& s) {
        if (worthIt(s)) {
            addFreePlaceMoves(p, s, moves);
        }
    });
    if (!purposeful) {
        each(sources.foundationsFrom, sources.size, [&](const Source& s) { addLineUps(deal, p, s, moves); });
    }
}

void play(const Deal& deal, Position& p, const Move& m)
{
    switch (m.kind) {
    case Move::Kind::Stock:
    case Move::Kind::Recycle:
        clickStock(p);
        return;
    case Move::Kind::Reserve: {
        assert(!reserveEmpty(p) && firstFreeColumn(p) != 0);
        Column& c = p.columns[static_cast<std::size_t>(firstFreeColumn(p) - 1)];
        c.cards[0] =
            static_cast<std::int8_t>(deal.order[static_cast<std::size_t>(kFirstReservePosition + p.reserveTurned)]);
        c.count = 1;
        ++p.reserveTurned;
        return;
    }
    case Move::Kind::Card:
        break;
    }
    for (int i = 0; i < m.clicks; ++i) {
        clickStock(p);
    }
    takeFrom(p, m);
    if (isFoundation(m.to)) {
        p.foundationTop[static_cast<std::size_t>(m.to - 1)] = m.card;
    } else {
        Column& c = column(p, m.to);
        assert(c.count < kLongestColumn);
        c.cards[static_cast<std::size_t>(c.count++)] = m.card;
    }
}

std::vector<Move> withClicksSpeltOut(const Deal& deal, std::span<const Move> moves)
{
    std::vector<Move> spelt;
    Position p = initialPosition(deal);
    for (Move m : moves) {
        for (; m.clicks > 0; --m.clicks) {
            const Move click{stockCount(p) > 0 ? Move::Kind::Stock : Move::Kind::Recycle};
            play(deal, p, click);
            spelt.push_back(click);
        }
        play(deal, p, m);
        spelt.push_back(m);
    }
    return spelt;
}

bool obeysTheClosure(const Deal& deal, Position from, std::span<const Move> moves)
{
    for (const Move& m : moves) {
        if (m.kind == Move::Kind::Card && isFoundation(m.from) && !mayLeaveFoundation(deal, from, m.from, true)) {
            return false;
        }
        play(deal, from, m);
    }
    return true;
}

bool isWon(const Deal& deal, const Position& p)
{
    for (const std::int8_t top : p.foundationTop) {
        if (!isComplete(deal, top)) {
            return false;
        }
    }
    return true;
}

}  // namespace morvane::solver
