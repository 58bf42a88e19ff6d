// The moves of a deal, read from the game's rules: what may go where, and what a move changes.
#include "position.h"

#include <algorithm>
#include <bit>

namespace morvane::solver {
namespace {

constexpr int kFirstReservePosition = 6;
constexpr int kFirstStockPosition = 13;
constexpr int kCardsPerTurn = 3;

// A foundation grows by the next card of its suit; a card of the base value opens an empty one.
bool stacksOn(const Deal& deal, CardIndex card, CardIndex top)
{
    return hasBaseValue(card, deal.baseValue) ? top == 0 : top != 0 && top == predecessorOf(card);
}

// Under a card goes a card of the other group one value lower, the king under the ace; nothing
// goes under a card of the base value.
bool linesUpUnder(const Deal& deal, CardIndex card, CardIndex last)
{
    return !hasBaseValue(last, deal.baseValue) && groupOf(card) != groupOf(last) &&
           valueKey(successorOf(card)) == valueKey(last);
}

// Complete: the card after the top would be of the base value again.
bool isComplete(const Deal& deal, CardIndex top) { return top != 0 && hasBaseValue(successorOf(top), deal.baseValue); }

// The top of a foundation can be taken unless it is the foundation's first card, or the game has
// closed it: once foundations 1 to k are all complete, the top of each of them stays put.
bool mayLeaveFoundation(const Deal& deal, const Position& p, int k)
{
    const CardIndex top = p.foundationTop[static_cast<std::size_t>(k - 1)];
    if (top == 0 || hasBaseValue(top, deal.baseValue)) {
        return false;
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

struct Source {
    CardIndex card;
    Spot from;
};

// The cards a player can take: the waste's top, the last card of each column, the foundation tops.
struct Sources {
    std::array<Source, 9> items{};
    int size = 0;
    int foundationsFrom = 0;  // items from here on lie on the foundations
};

Sources takeableCards(const Deal& deal, const Position& p)
{
    Sources s;
    const auto add = [&](CardIndex c, Spot from) { s.items[static_cast<std::size_t>(s.size++)] = {c, from}; };
    if (const CardIndex top = wasteTop(deal, p); top != 0) {
        add(top, kWaste);
    }
    for (int k = 1; k <= 4; ++k) {
        if (const Column& c = p.columns[static_cast<std::size_t>(k - 1)]; c.count > 0) {
            add(c.last(), columnSpot(k));
        }
    }
    s.foundationsFrom = s.size;
    for (int k = 1; k <= 4; ++k) {
        if (mayLeaveFoundation(deal, p, k)) {
            add(p.foundationTop[static_cast<std::size_t>(k - 1)], foundationSpot(k));
        }
    }
    return s;
}

Move cardMove(CardIndex card, Spot from, Spot to)
{
    return {Move::Kind::Card, static_cast<std::int8_t>(card), from, to};
}

void addFoundationMoves(const Deal& deal, const Position& p, const Source& s, MoveList& moves)
{
    for (int k = 1; k <= 4; ++k) {
        if (stacksOn(deal, s.card, p.foundationTop[static_cast<std::size_t>(k - 1)])) {
            moves.add(cardMove(s.card, s.from, foundationSpot(k)));
        }
    }
}

void addLineUps(const Deal& deal, const Position& p, const Source& s, MoveList& moves)
{
    for (int k = 1; k <= 4; ++k) {
        const Column& c = p.columns[static_cast<std::size_t>(k - 1)];
        if (columnSpot(k) != s.from && c.count > 0 && linesUpUnder(deal, s.card, c.last())) {
            moves.add(cardMove(s.card, s.from, columnSpot(k)));
        }
    }
}

// Any card may go on a free column place. Once the reserve is empty the places are alike: one
// of them is enough, and a column's only card gains nothing by changing place.
void addFreePlaceMoves(const Position& p, const Source& s, MoveList& moves)
{
    const bool alike = reserveEmpty(p);
    if (alike && isColumn(s.from) && column(p, s.from).count == 1) {
        return;
    }
    for (int k = 1; k <= 4; ++k) {
        if (p.columns[static_cast<std::size_t>(k - 1)].count == 0) {
            moves.add(cardMove(s.card, s.from, columnSpot(k)));
            if (alike) {
                return;
            }
        }
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
        p.stockLeft &= ~(1U << wasteTopBit(p));
        --p.waste;
    } else if (isFoundation(m.from)) {
        p.foundationTop[static_cast<std::size_t>(m.from - 1)] = static_cast<std::int8_t>(predecessorOf(m.card));
    } else {
        --column(p, m.from).count;
    }
}

}  // namespace

Deal Deal::fromOrder(const std::array<CardIndex, 41>& order)
{
    Deal deal;
    deal.order = order;
    const std::int16_t key = valueKey(order[5]);
    deal.baseValue = key == 0 ? std::int16_t{10} : key;
    return deal;
}

Position initialPosition(const Deal& deal)
{
    Position p;
    for (int k = 1; k <= 4; ++k) {
        Column& c = p.columns[static_cast<std::size_t>(k - 1)];
        c.cards[0] = static_cast<std::int8_t>(deal.order[static_cast<std::size_t>(k)]);
        c.count = 1;
    }
    p.foundationTop[0] = static_cast<std::int8_t>(deal.order[5]);
    p.stockLeft = (1U << kStockCards) - 1U;
    return p;
}

int stockCount(const Position& p) { return std::popcount(p.stockLeft) - p.waste; }

CardIndex wasteTop(const Deal& deal, const Position& p)
{
    if (p.waste == 0) {
        return 0;
    }
    return deal.order[static_cast<std::size_t>(kFirstStockPosition + wasteTopBit(p))];
}

void legalMoves(const Deal& deal, const Position& p, MoveList& moves)
{
    moves.size = 0;
    const Sources sources = takeableCards(deal, p);
    const auto each = [&](int from, int to, auto add) {
        for (int i = from; i < to; ++i) {
            add(sources.items[static_cast<std::size_t>(i)]);
        }
    };
    each(0, sources.foundationsFrom, [&](const Source& s) { addFoundationMoves(deal, p, s, moves); });
    each(0, sources.foundationsFrom, [&](const Source& s) { addLineUps(deal, p, s, moves); });
    if (!reserveEmpty(p) && firstFreeColumn(p) != 0) {
        moves.add({Move::Kind::Reserve});
    }
    each(0, sources.size, [&](const Source& s) { addFreePlaceMoves(p, s, moves); });
    each(sources.foundationsFrom, sources.size, [&](const Source& s) { addLineUps(deal, p, s, moves); });
    if (stockCount(p) > 0) {
        moves.add({Move::Kind::Stock});
    } else if (p.waste > 0) {
        moves.add({Move::Kind::Recycle});
    }
}

void play(const Deal& deal, Position& p, const Move& m)
{
    switch (m.kind) {
    case Move::Kind::Stock:
        p.waste = static_cast<std::int8_t>(p.waste + std::min(kCardsPerTurn, stockCount(p)));
        return;
    case Move::Kind::Recycle:
        p.waste = 0;
        return;
    case Move::Kind::Reserve: {
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
    takeFrom(p, m);
    if (isFoundation(m.to)) {
        p.foundationTop[static_cast<std::size_t>(m.to - 1)] = m.card;
    } else {
        Column& c = column(p, m.to);
        c.cards[static_cast<std::size_t>(c.count++)] = m.card;
    }
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
