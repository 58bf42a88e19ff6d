// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The moves a player can make from a position of a deal, and what they do. The rules here are read
// afresh from the game's rules, not shared with the game's code.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <span>
#include <vector>

#include "compact_deal.h"

namespace morvane::solver {

inline constexpr std::size_t kMostMoves = 192;  // more than any position offers

struct MoveList {
    std::array<Move, kMostMoves> items{};
    int size = 0;
    void add(const Move& m)
    {
        assert(size < static_cast<int>(items.size()));
        items[static_cast<std::size_t>(size++)] = m;
    }
};

// Every move, or only the purposeful ones: no card taken off a foundation, and a column card
// moved within the columns only when that empties its column or uncovers a card that can go on
// at once. Hasty moves are purposeful moves where a card that can go onto a foundation goes there
// before anything else is tried. A win found with purposeful or hasty moves is a win; a search of
// them alone proves no loss.
enum class MoveSet { Every, Purposeful, Hasty };

// The five reductions that leave moves or positions out without losing any win (reductions.cpp
// argues the first two, seen_positions.cpp the stock's reach, obeysTheClosure below why the
// foundations may be alike, dead_ends.cpp the dead ends). All are on unless switched off, which shows in a benchmark
// that they change no verdict.
struct Pruning {
    bool lowCardsStayHome = true;  // no card ranked below every card still out comes off a foundation
    bool safeMovesFirst = true;    // a column card that nothing can need any more goes home at once
    bool stockReach = true;        // a position that clicks lead to from one already seen is not searched
    // Foundations told apart by their cards alone, not by their places: a card of the base value
    // opens the first empty foundation, positions with the foundations in another order count as
    // one, and the closure of complete foundations is set aside (see obeysTheClosure).
    bool foundationsAlike = true;
    // A dead end (dead_ends.h) is not searched: the reserve still holds cards and no column place
    // can ever come free again.
    bool deadEnds = true;
};

// The moves a player can make, the promising ones first: cards onto the foundations, then cards
// that line up in the columns, the reserve, free column places, and last cards taken off a
// foundation. A card of the waste is offered with the clicks on the stock that bring it on top.
void legalMoves(const Deal& deal, const Position& position, MoveList& moves, MoveSet set = MoveSet::Every,
                const Pruning& pruning = {});

// Plays a move that legalMoves offered.
void play(const Deal& deal, Position& position, const Move& move);

// The same moves with each card's clicks on the stock spelt out as Stock and Recycle moves.
std::vector<Move> withClicksSpeltOut(const Deal& deal, std::span<const Move> moves);

bool isWon(const Deal& deal, const Position& position);

// The closure is the one rule that tells the foundations apart by their places: once foundations
// 1 to k are all complete, their tops stay. A search with the foundations alike sets it aside,
// which only adds moves (a rank-9 top taken down onto a free place), so a deal it cannot win is
// lost; a win it finds is a win of the game when every move it takes off a foundation keeps to the
// closure. True when the moves, played from the position, do.
bool obeysTheClosure(const Deal& deal, Position from, std::span<const Move> moves);

// The top card of the waste, or 0.
CardIndex wasteTop(const Deal& deal, const Position& position);
int stockCount(const Position& position);

}  // namespace morvane::solver
