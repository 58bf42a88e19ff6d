// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The search for a win: three searches taking turns, the promising moves first, each searching a
// position at most once (it remembers the positions it has met), two of them giving up moves, and
// with them the proof of a loss, for speed.
#include "search.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <ctime>
#include <deque>
#include <memory>
#include <optional>
#include <span>

#include "dead_ends.h"
#include "seen_positions.h"

namespace morvane::solver {
namespace {

// Processor time of this thread: a deal's budget does not shrink when the machine is busy.
double processorMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

double millisecondsSince(double start) { return processorMilliseconds() - start; }

// What the searches of a deal have spent together, and when a search must pause: at the end of
// its turn, or when the deal's budget is used up.
class Tally {
public:
    explicit Tally(const Budget& budget) : budget_(budget) {}

    void count(std::uint64_t positions) { positions_ += positions; }
    std::uint64_t positions() const { return positions_; }
    double milliseconds() const { return millisecondsSince(start_); }

    void startTurn(std::uint64_t positions) { turnEnds_ = positions_ + positions; }

    bool mustPause()
    {
        if (positions_ >= turnEnds_) {
            return true;
        }
        // The clock costs more than searching a position, so it is read once every few hundred
        // positions searched, well within a millisecond. Not by the count of positions met, which
        // stands still while a depth-first search goes back through positions it met long before.
        if (++searchedSinceReading_ < kSearchedBetweenReadings) {
            return false;
        }
        searchedSinceReading_ = 0;
        return outOfBudget();
    }

    bool outOfBudget()
    {
        spent_ = spent_ || (budget_.positions != 0 && positions_ >= budget_.positions) ||
                 (budget_.milliseconds > 0.0 && milliseconds() >= budget_.milliseconds);
        return spent_;
    }

    // The turn that is left of the budget in positions, at most `positions`.
    std::uint64_t turnOf(std::uint64_t positions) const
    {
        return budget_.positions == 0
                   ? positions
                   : std::min(positions, budget_.positions - std::min(positions_, budget_.positions));
    }

private:
    static constexpr int kSearchedBetweenReadings = 256;

    Budget budget_;
    double start_ = processorMilliseconds();
    std::uint64_t positions_ = 0;
    std::uint64_t turnEnds_ = 0;
    int searchedSinceReading_ = 0;
    bool spent_ = false;
};

// Where a search stands after its turn: paused, out of positions to search (no win with its moves),
// or won, with the moves as it played them (each card with its clicks).
enum class Stand { Paused, Exhausted, Won };

struct Child {
    Position position;
    Move move;
};

// The positions a position's moves lead to that the search has not seen before, in the moves'
// order; from now on they count as seen. A dead end has none in the search of every move, which
// must search a lost deal to its end; the restricted searches, after a quick win, would only pay
// for the test.
class NewChildren {
public:
    std::span<const Child> of(const Deal& deal, const Position& p, MoveSet set, const Pruning& pruning,
                              SeenPositions& seen)
    {
        moves_.size = 0;
        if (set != MoveSet::Every || !pruning.deadEnds || !isDeadEnd(deal, p)) {
            legalMoves(deal, p, moves_, set, pruning);
        }
        const auto count = static_cast<std::size_t>(moves_.size);
        for (std::size_t i = 0; i < count; ++i) {
            positions_[i] = p;
            play(deal, positions_[i], moves_.items[i]);
        }
        seen.insertEach(std::span(positions_).first(count), isNew_);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (isNew_[i]) {
                children_[kept++] = {positions_[i], moves_.items[i]};
            }
        }
        return std::span(children_).first(kept);
    }

private:
    MoveList moves_;
    std::array<Position, kMostMoves> positions_{};
    std::array<bool, kMostMoves> isNew_{};
    std::array<Child, kMostMoves> children_{};
};

// One of the searches that take turns on a deal. A position counts once, when the search first
// meets it: the deal's first position, then each new position a searched position's moves lead
// to. So the count is also the number of positions the search remembers.
class Search {
public:
    Search(const Deal& deal, Tally& tally, MoveSet set, const Pruning& pruning)
        : deal_(deal), tally_(tally), set_(set), pruning_(pruning), seen_(pruning.stockReach, pruning.foundationsAlike)
    {
    }
    virtual ~Search() = default;

    Stand searchOn()
    {
        if (!begun_) {
            begun_ = true;
            const Position first = initialPosition(deal_);
            seen_.insert(first);
            count(1);
            if (searchFirst(first)) {
                return Stand::Won;
            }
        }
        return searchFurther();
    }

    const std::vector<Move>& win() const { return win_; }
    std::uint64_t positions() const { return positions_; }

protected:
    // The deal's first position is searched; true when one of its moves wins.
    virtual bool searchFirst(const Position& first) = 0;
    virtual Stand searchFurther() = 0;

    bool mustPause() { return tally_.mustPause(); }

    // The position is searched: the positions its moves lead to that are new to this search,
    // counted, and remembered from now on.
    std::span<const Child> newChildrenOf(const Position& p)
    {
        const std::span<const Child> children = children_.of(deal_, p, set_, pruning_, seen_);
        count(children.size());
        return children;
    }

    const Deal& deal_;
    std::vector<Move> win_;

private:
    void count(std::uint64_t positions)
    {
        positions_ += positions;
        tally_.count(positions);
    }

    Tally& tally_;
    MoveSet set_;
    Pruning pruning_;
    SeenPositions seen_;
    NewChildren children_;
    bool begun_ = false;
    std::uint64_t positions_ = 0;
};

struct Frame {
    Position position;
    std::size_t movesEnd = 0;  // this frame's untried moves are pending[next, movesEnd)
    std::size_t next = 0;
};

// Depth first, the path kept on an explicit stack, since a game that goes round the stock many
// times is a deep one.
class DepthFirst : public Search {
public:
    using Search::Search;

private:
    bool searchFirst(const Position& first) override { return enter(first); }

    Stand searchFurther() override
    {
        while (!path_.empty()) {
            if (path_.back().next == path_.back().movesEnd) {
                pending_.resize(path_.size() > 1 ? path_[path_.size() - 2].movesEnd : 0);
                path_.pop_back();
                continue;
            }
            if (mustPause()) {
                return Stand::Paused;
            }
            Position next = path_.back().position;
            play(deal_, next, pending_[path_.back().next++]);
            if (enter(next)) {
                return Stand::Won;
            }
        }
        return Stand::Exhausted;
    }

    // The position is searched: it joins the path with its moves to positions not seen before.
    // True when one of them is won.
    bool enter(const Position& p)
    {
        const std::size_t first = pending_.size();
        for (const Child& child : newChildrenOf(p)) {
            if (isWon(deal_, child.position)) {
                for (const Frame& f : path_) {
                    win_.push_back(pending_[f.next - 1]);
                }
                win_.push_back(child.move);
                return true;
            }
            pending_.push_back(child.move);
        }
        path_.push_back({p, pending_.size(), first});
        return false;
    }

    std::vector<Frame> path_;
    std::vector<Move> pending_;
};

// Best first: the position with the most cards on the foundations is searched next, the newest of
// them among equals, so the search runs deep like the depth-first one until it builds up a
// foundation, and falls back to the best position left when a line comes to nothing.
//
// Many positions it meets are never searched, so it keeps no position for each: a position waiting
// its turn is the move from one it has searched, and a searched position is kept only until the
// last of its waiting children is taken. What stays of every position met is its move and its
// parent, to spell out a win.
class BestFirst : public Search {
public:
    using Search::Search;

private:
    static constexpr std::uint32_t kNoParent = UINT32_MAX;

    // How a position met was reached: by `move` from the position of step `parent`.
    struct Step {
        std::uint32_t parent;
        Move move;
    };
    // A position waiting its turn: its step, and the searched position its move is played from.
    struct Waiting {
        std::uint32_t step;
        std::uint32_t from;
    };
    struct Kept {
        Position position;
        std::uint32_t waitingChildren;
    };

    bool searchFirst(const Position& first) override
    {
        steps_.push_back({kNoParent, {}});
        return expand(first, 0);
    }

    Stand searchFurther() override
    {
        while (!mustPause()) {
            const std::optional<Waiting> next = takeBest();
            if (!next) {
                return Stand::Exhausted;
            }
            Position p = kept_[next->from].position;
            play(deal_, p, steps_[next->step].move);
            release(next->from);
            if (expand(p, next->step)) {
                return Stand::Won;
            }
        }
        return Stand::Paused;
    }

    // The position of step `step` is searched: the new positions its moves lead to wait their turn,
    // and it is kept for them. True when one of them is won.
    bool expand(const Position& p, std::uint32_t step)
    {
        const std::span<const Child> children = newChildrenOf(p);
        if (children.empty()) {
            return false;
        }
        const std::uint32_t from = keep(p, children.size());
        for (const Child& child : children) {
            const auto id = static_cast<std::uint32_t>(steps_.size());
            steps_.push_back({step, child.move});
            if (isWon(deal_, child.position)) {
                win_ = movesTo(id);
                return true;
            }
            waiting_[static_cast<std::size_t>(foundationCards(child.position))].push_back({id, from});
        }
        return false;
    }

    std::optional<Waiting> takeBest()
    {
        for (auto it = waiting_.rbegin(); it != waiting_.rend(); ++it) {
            if (!it->empty()) {
                const Waiting best = it->back();
                it->pop_back();
                return best;
            }
        }
        return std::nullopt;
    }

    std::uint32_t keep(const Position& p, std::size_t children)
    {
        const Kept kept{p, static_cast<std::uint32_t>(children)};
        if (freeSlots_.empty()) {
            kept_.push_back(kept);
            return static_cast<std::uint32_t>(kept_.size() - 1);
        }
        const std::uint32_t slot = freeSlots_.back();
        freeSlots_.pop_back();
        kept_[slot] = kept;
        return slot;
    }

    void release(std::uint32_t slot)
    {
        if (--kept_[slot].waitingChildren == 0) {
            freeSlots_.push_back(slot);
        }
    }

    int foundationCards(const Position& p) const
    {
        int cards = 0;
        for (const std::int8_t top : p.foundationTop) {
            cards += top == 0 ? 0 : rankOf(deal_, top) + 1;
        }
        return cards;
    }

    std::vector<Move> movesTo(std::uint32_t step) const
    {
        std::vector<Move> moves;
        for (std::uint32_t i = step; steps_[i].parent != kNoParent; i = steps_[i].parent) {
            moves.push_back(steps_[i].move);
        }
        std::reverse(moves.begin(), moves.end());
        return moves;
    }

    // Deques, which grow without copying what they hold: a vector of millions would stop the
    // search for milliseconds each time it doubled.
    std::deque<Step> steps_;
    std::array<std::deque<Waiting>, kCardCount + 1> waiting_;  // by cards on the foundations
    std::deque<Kept> kept_;
    std::deque<std::uint32_t> freeSlots_;
};

}  // namespace

// The three searches take turns, each turn twice as long as the one before up to a longest, until
// one wins or the budget is spent: hasty moves depth first (most deals are won that way at once),
// purposeful moves best first (a different road into the hard deals), and every move depth first,
// the only search that can call a deal lost, with turns twice as long as the others'. A restricted
// search that runs out of moves, or has met as many positions as it may hold, leaves the turns to
// the others: the search of every move needs the memory more.
Result solve(const Deal& deal, const Budget& budget, const Pruning& pruning)
{
    constexpr std::uint64_t kFirstTurn = 1024;
    constexpr std::uint64_t kLongestTurn = 1U << 16;
    constexpr std::uint64_t kMostRestricted = 1U << 22;
    struct Turn {
        std::unique_ptr<Search> search;
        std::uint64_t weight;
    };
    Tally tally(budget);
    std::array<Turn, 3> turns{{{std::make_unique<DepthFirst>(deal, tally, MoveSet::Hasty, pruning), 1},
                               {std::make_unique<BestFirst>(deal, tally, MoveSet::Purposeful, pruning), 1},
                               {std::make_unique<DepthFirst>(deal, tally, MoveSet::Every, pruning), 2}}};
    Turn& every = turns.back();
    const auto finish = [&](Outcome outcome, std::span<const Move> win = {}) {
        return Result{outcome, withClicksSpeltOut(deal, win), tally.positions(), tally.milliseconds()};
    };
    for (std::uint64_t length = kFirstTurn;; length = std::min(2 * length, kLongestTurn)) {
        for (Turn& turn : turns) {
            if (!turn.search) {
                continue;
            }
            tally.startTurn(tally.turnOf(length * turn.weight));
            const Stand stand = turn.search->searchOn();
            if (stand == Stand::Won && obeysTheClosure(deal, initialPosition(deal), turn.search->win())) {
                return finish(Outcome::Won, turn.search->win());
            }
            if (stand == Stand::Won) {
                // A win that takes a closed top down, found with the closure set aside (only the
                // search of every move takes tops down): that search starts again with the
                // foundations told apart.
                assert(&turn == &every);
                Pruning exact = pruning;
                exact.foundationsAlike = false;
                every.search = std::make_unique<DepthFirst>(deal, tally, MoveSet::Every, exact);
            } else if (stand == Stand::Exhausted && &turn == &every) {
                return finish(Outcome::Lost);
            } else if (stand == Stand::Exhausted || (&turn != &every && turn.search->positions() >= kMostRestricted)) {
                turn.search.reset();
            }
            if (tally.outOfBudget()) {
                return finish(Outcome::Unknown);
            }
        }
    }
}

const char* outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Won:
        return "won";
    case Outcome::Lost:
        return "lost";
    case Outcome::Unknown:
        return "unknown";
    }
    return "";
}

}  // namespace morvane::solver
