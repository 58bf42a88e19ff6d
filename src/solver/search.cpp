// Depth first, the promising moves first, each position visited once; the path is kept on an
// explicit stack, since a game that goes round the stock many times is a deep one.
#include "search.h"

#include <algorithm>
#include <ctime>

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

struct Frame {
    Position position;
    std::size_t movesEnd = 0;  // this frame's untried moves are pending[next, movesEnd)
    std::size_t next = 0;
};

class Search {
public:
    Search(const Deal& deal, const Budget& budget, MoveSet set) : deal_(deal), budget_(budget), set_(set) {}

    Result run()
    {
        const Position start = initialPosition(deal_);
        seen_.insert(fingerprintOf(start));
        result_.positions = 1;
        enter(start);
        while (!path_.empty()) {
            if (path_.back().next == path_.back().movesEnd) {
                pending_.resize(path_.size() > 1 ? path_[path_.size() - 2].movesEnd : 0);
                path_.pop_back();
                continue;
            }
            Position child = path_.back().position;
            play(deal_, child, pending_[path_.back().next++]);
            if (!seen_.insert(fingerprintOf(child))) {
                continue;
            }
            ++result_.positions;
            if (isWon(deal_, child)) {
                return finish(Outcome::Won);
            }
            if (outOfBudget()) {
                return finish(Outcome::Unknown);
            }
            enter(child);
        }
        return finish(Outcome::Lost);
    }

private:
    void enter(const Position& p)
    {
        legalMoves(deal_, p, list_, set_);
        pending_.insert(pending_.end(), list_.items.begin(), list_.items.begin() + list_.size);
        path_.push_back({p, pending_.size(), pending_.size() - static_cast<std::size_t>(list_.size)});
    }

    bool outOfBudget()
    {
        if (budget_.positions != 0 && result_.positions >= budget_.positions) {
            return true;
        }
        // The clock is read now and then: it costs more than a position.
        return budget_.milliseconds > 0.0 && result_.positions % 1024 == 0 &&
               millisecondsSince(start_) >= budget_.milliseconds;
    }

    Result finish(Outcome outcome)
    {
        result_.outcome = outcome;
        if (outcome == Outcome::Won) {
            std::vector<Move> moves;
            for (const Frame& f : path_) {
                moves.push_back(pending_[f.next - 1]);
            }
            result_.moves = withClicksSpeltOut(deal_, moves);
        }
        result_.milliseconds = millisecondsSince(start_);
        return result_;
    }

    const Deal& deal_;
    Budget budget_;
    MoveSet set_;
    double start_ = processorMilliseconds();
    SeenPositions seen_;
    std::vector<Frame> path_;
    std::vector<Move> pending_;
    MoveList list_;
    Result result_;
};

}  // namespace

// First the purposeful moves alone, with three quarters of the budget: most deals are won that way, quickly.
// Then, unless that won, every move with what is left, the only search that can prove a loss.
Result solve(const Deal& deal, const Budget& budget)
{
    const double start = processorMilliseconds();
    const Result first =
        Search(deal, {budget.positions / 4 * 3, budget.milliseconds / 4 * 3}, MoveSet::Purposeful).run();
    if (first.outcome == Outcome::Won) {
        return first;
    }
    Budget rest{0, 0.0};
    if (budget.positions != 0) {
        rest.positions = budget.positions - first.positions;
    }
    if (budget.milliseconds > 0.0) {
        rest.milliseconds = std::max(budget.milliseconds - millisecondsSince(start), 0.001);
    }
    Result every = Search(deal, rest, MoveSet::Every).run();
    every.positions += first.positions;
    every.milliseconds = millisecondsSince(start);
    return every;
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
