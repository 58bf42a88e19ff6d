// The search for a win: the promising moves first, each position visited once, in stages that
// give up moves and soundness of a loss for speed, each with its share of the budget.
#include "search.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <optional>
#include <span>

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

// What a search has spent and found, and when its budget is used up.
class Tally {
public:
    explicit Tally(const Budget& budget) : budget_(budget) {}

    void count() { ++result_.positions; }

    bool outOfBudget() const
    {
        if (budget_.positions != 0 && result_.positions >= budget_.positions) {
            return true;
        }
        // The clock is read now and then: it costs more than a position.
        return budget_.milliseconds > 0.0 && result_.positions % 1024 == 0 &&
               millisecondsSince(start_) >= budget_.milliseconds;
    }

    // The moves of a win are given as the search played them, each card with its clicks.
    Result finish(const Deal& deal, Outcome outcome, std::span<const Move> win = {})
    {
        result_.outcome = outcome;
        result_.moves = withClicksSpeltOut(deal, win);
        result_.milliseconds = millisecondsSince(start_);
        return result_;
    }

private:
    Budget budget_;
    double start_ = processorMilliseconds();
    Result result_;
};

struct Child {
    Position position;
    Move move;
};

// The positions a position's moves lead to that the search has not seen before, in the moves'
// order; from now on they count as seen.
class NewChildren {
public:
    std::span<const Child> of(const Deal& deal, const Position& p, MoveSet set, const Pruning& pruning,
                              SeenPositions& seen)
    {
        legalMoves(deal, p, moves_, set, pruning);
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

struct Frame {
    Position position;
    std::size_t movesEnd = 0;  // this frame's untried moves are pending[next, movesEnd)
    std::size_t next = 0;
};

// Depth first, the path kept on an explicit stack, since a game that goes round the stock many
// times is a deep one.
class DepthFirst {
public:
    DepthFirst(const Deal& deal, const Budget& budget, MoveSet set, const Pruning& pruning)
        : deal_(deal), tally_(budget), set_(set), pruning_(pruning), seen_(pruning.stockReach, pruning.foundationsAlike)
    {
    }

    Result run()
    {
        const Position start = initialPosition(deal_);
        seen_.insert(start);
        std::optional<Result> end = enter(start);
        while (!end && !path_.empty()) {
            if (path_.back().next == path_.back().movesEnd) {
                pending_.resize(path_.size() > 1 ? path_[path_.size() - 2].movesEnd : 0);
                path_.pop_back();
                continue;
            }
            Position next = path_.back().position;
            play(deal_, next, pending_[path_.back().next++]);
            end = enter(next);
        }
        return end ? *end : tally_.finish(deal_, Outcome::Lost);
    }

private:
    // The position is searched: it joins the path with its moves to positions not seen before,
    // which count as seen from now on. The search ends when one of them is won or the budget runs
    // out.
    std::optional<Result> enter(const Position& p)
    {
        tally_.count();
        if (tally_.outOfBudget()) {
            return tally_.finish(deal_, Outcome::Unknown);
        }
        const std::size_t first = pending_.size();
        for (const Child& child : children_.of(deal_, p, set_, pruning_, seen_)) {
            if (isWon(deal_, child.position)) {
                tally_.count();
                std::vector<Move> win;
                for (const Frame& f : path_) {
                    win.push_back(pending_[f.next - 1]);
                }
                win.push_back(child.move);
                return tally_.finish(deal_, Outcome::Won, win);
            }
            pending_.push_back(child.move);
        }
        path_.push_back({p, pending_.size(), first});
        return std::nullopt;
    }

    const Deal& deal_;
    Tally tally_;
    MoveSet set_;
    Pruning pruning_;
    SeenPositions seen_;
    std::vector<Frame> path_;
    std::vector<Move> pending_;
    NewChildren children_;
};

// Best first: the position with the most cards on the foundations is searched next, the newest of
// them among equals, so the search runs deep like the depth-first one until it builds up a
// foundation, and falls back to the best position left when a line comes to nothing.
class BestFirst {
public:
    BestFirst(const Deal& deal, const Budget& budget, MoveSet set, const Pruning& pruning)
        : deal_(deal), tally_(budget), set_(set), pruning_(pruning), seen_(pruning.stockReach, pruning.foundationsAlike)
    {
    }

    Result run()
    {
        const Position start = initialPosition(deal_);
        seen_.insert(start);
        add({start, kNoParent, {}});
        while (const std::optional<std::uint32_t> next = takeBest()) {
            const Position p = nodes_[*next].position;
            for (const Child& child : children_.of(deal_, p, set_, pruning_, seen_)) {
                add({child.position, *next, child.move});
                if (isWon(deal_, child.position)) {
                    return tally_.finish(deal_, Outcome::Won, winTo(nodes_.size() - 1));
                }
                if (tally_.outOfBudget()) {
                    return tally_.finish(deal_, Outcome::Unknown);
                }
            }
        }
        return tally_.finish(deal_, Outcome::Lost);
    }

private:
    static constexpr std::uint32_t kNoParent = UINT32_MAX;

    struct Node {
        Position position;
        std::uint32_t parent;
        Move move;  // the move from the parent
    };

    // A position new to the search waits its turn.
    void add(const Node& node)
    {
        tally_.count();
        waiting_[static_cast<std::size_t>(foundationCards(node.position))].push_back(
            static_cast<std::uint32_t>(nodes_.size()));
        nodes_.push_back(node);
    }

    std::optional<std::uint32_t> takeBest()
    {
        for (auto it = waiting_.rbegin(); it != waiting_.rend(); ++it) {
            if (!it->empty()) {
                const std::uint32_t best = it->back();
                it->pop_back();
                return best;
            }
        }
        return std::nullopt;
    }

    int foundationCards(const Position& p) const
    {
        int cards = 0;
        for (const std::int8_t top : p.foundationTop) {
            cards += top == 0 ? 0 : (valueOf(top) - deal_.baseValue + kValuesPerSuit) % kValuesPerSuit + 1;
        }
        return cards;
    }

    std::vector<Move> winTo(std::size_t won) const
    {
        std::vector<Move> win;
        for (std::uint32_t i = static_cast<std::uint32_t>(won); nodes_[i].parent != kNoParent; i = nodes_[i].parent) {
            win.push_back(nodes_[i].move);
        }
        std::reverse(win.begin(), win.end());
        return win;
    }

    const Deal& deal_;
    Tally tally_;
    MoveSet set_;
    Pruning pruning_;
    SeenPositions seen_;
    std::vector<Node> nodes_;
    std::array<std::vector<std::uint32_t>, kCardCount + 1> waiting_;  // by cards on the foundations
    NewChildren children_;
};

}  // namespace

// The searches tried in turn, each with its share of what is left of the budget, until one wins:
// hasty moves depth first (most deals are won that way at once), purposeful moves best first (a
// different road into the hard deals), then every move depth first, the only search that can call
// a deal lost. A restricted search that runs out of moves ends early and leaves its time to the next.
Result solve(const Deal& deal, const Budget& budget, const Pruning& pruning)
{
    enum class Order { DepthFirst, BestFirst };
    struct Stage {
        MoveSet set;
        Order order;
        double share;
    };
    static constexpr std::array<Stage, 3> kStages{{{MoveSet::Hasty, Order::DepthFirst, 0.25},
                                                   {MoveSet::Purposeful, Order::BestFirst, 2.0 / 3.0},
                                                   {MoveSet::Every, Order::DepthFirst, 1.0}}};
    const double start = processorMilliseconds();
    std::uint64_t positions = 0;
    Result result;
    Pruning rules = pruning;
    for (std::size_t i = 0; i < kStages.size(); ++i) {
        const Stage& stage = kStages[i];
        Budget share{0, 0.0};
        if (budget.positions != 0) {
            const std::uint64_t left = budget.positions - std::min(positions, budget.positions);
            share.positions =
                std::max<std::uint64_t>(static_cast<std::uint64_t>(static_cast<double>(left) * stage.share), 1);
        }
        if (budget.milliseconds > 0.0) {
            share.milliseconds = std::max((budget.milliseconds - millisecondsSince(start)) * stage.share, 0.001);
        }
        result = stage.order == Order::DepthFirst ? DepthFirst(deal, share, stage.set, rules).run()
                                                  : BestFirst(deal, share, stage.set, rules).run();
        positions += result.positions;
        if (result.outcome == Outcome::Won && obeysTheClosure(deal, initialPosition(deal), result.moves)) {
            break;
        }
        if (result.outcome == Outcome::Won) {
            // A win that takes a closed top down, found with the closure set aside: the same
            // search, with the foundations told apart, decides.
            result.outcome = Outcome::Unknown;
            rules.foundationsAlike = false;
            --i;
        }
    }
    result.positions = positions;
    result.milliseconds = millisecondsSince(start);
    return result;
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
