// morvane-solve: how many of the game's deals can be won. Solves the deals of a run of seeds, or one
// deal given as its cards, and prints one line per deal, then for seeds the counts and the share
// won with its 95% confidence interval.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "seeded_deal.h"
#include "solver/move_text.h"
#include "solver/search.h"

namespace {

using namespace morvane;

constexpr const char* kUsage =
    "usage: morvane-solve --seed S --count N [--budget-ms T] [--budget-positions P] [--moves]\n"
    "       morvane-solve --cards \"C1 C2 ... C40\" [--budget-ms T] [--budget-positions P] [--moves]\n"
    "       morvane-solve --help | --version\n"
    "Solves the deals of seeds S to S+N-1 (the game's own shuffle and deal, seeded with the number),\n"
    "or the one deal whose 40 card indexes are given in deal-position order (as --moves prints them).\n"
    "Each deal gives one line: seed, result (won, lost, unknown), positions met (each search counts a\n"
    "position once, when it first meets it), milliseconds of processor time. A deal is lost when\n"
    "every reachable position was searched; unknown when the budget ran out first: T milliseconds of\n"
    "processor time, P positions met, or both, whichever runs out first; with neither, 2000 ms. A\n"
    "budget in positions alone has no time limit and gives the same answers on every machine.\n"
    "--moves adds, for each won deal, its 40 cards in deal-position order (columns 1-4, base card,\n"
    "reserve 6-12, stock 13-40) and the winning moves: stock, recycle, reserve, or C:F-T for card C\n"
    "from F to T, places being w (waste), f1-f4 (foundations), c1-c4 (columns).\n"
    "--no-safe-moves, --no-low-cards-home, --no-stock-reach, --no-foundation-symmetry and --no-dead-ends\n"
    "switch off the search's five reductions (for benchmarks: the verdicts stay the same, only the time\n"
    "changes).\n"
    "The manual: man morvane-solve\n";

struct Options {
    std::uint64_t seed = 0;
    std::uint64_t count = 0;
    std::optional<solver::Deal> cards;
    std::optional<std::uint64_t> budgetMs;
    std::optional<std::uint64_t> budgetPositions;
    solver::Pruning pruning;
    bool moves = false;
};

// --help prints the usage and --version the name and version, both on standard output, and the
// tool ends with status 0; any other command line is left to parse().
std::optional<int> answerHelpOrVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::puts("morvane-solve " MORVANE_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<std::uint64_t> number(const char* text)
{
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (end == text || *end != '\0' || text[0] == '-') {
        return std::nullopt;
    }
    return value;
}

// A switch that takes no value; false when the argument is none.
bool parseSwitch(std::string_view arg, Options& o)
{
    if (arg == "--moves") {
        o.moves = true;
    } else if (arg == "--no-safe-moves") {
        o.pruning.safeMovesFirst = false;
    } else if (arg == "--no-low-cards-home") {
        o.pruning.lowCardsStayHome = false;
    } else if (arg == "--no-stock-reach") {
        o.pruning.stockReach = false;
    } else if (arg == "--no-foundation-symmetry") {
        o.pruning.foundationsAlike = false;
    } else if (arg == "--no-dead-ends") {
        o.pruning.deadEnds = false;
    } else {
        return false;
    }
    return true;
}

std::optional<Options> parse(int argc, char** argv)
{
    Options o;
    bool seedGiven = false;
    bool countGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (parseSwitch(arg, o)) {
            continue;
        }
        if (arg == "--cards" && i + 1 < argc) {
            o.cards = solver::dealFromText(argv[++i]);
            if (!o.cards) {
                std::fputs("morvane-solve: --cards takes the 40 card indexes 1 to 40, each once\n", stderr);
                return std::nullopt;
            }
            continue;
        }
        const std::optional<std::uint64_t> value = i + 1 < argc ? number(argv[i + 1]) : std::nullopt;
        if (!value) {
            return std::nullopt;
        }
        ++i;
        if (arg == "--seed") {
            o.seed = *value;
            seedGiven = true;
        } else if (arg == "--count") {
            o.count = *value;
            countGiven = true;
        } else if (arg == "--budget-ms" && *value > 0) {
            o.budgetMs = *value;
        } else if (arg == "--budget-positions" && *value > 0) {
            o.budgetPositions = *value;
        } else {
            return std::nullopt;
        }
    }
    if (o.cards ? seedGiven || countGiven : !seedGiven || !countGiven || o.count == 0) {
        return std::nullopt;
    }
    return o;
}

// Each budget given applies; with none, 2000 ms of processor time. Positions alone mean no time
// limit, so that the answers are the same on every machine however slow.
solver::Budget budgetOf(const Options& o)
{
    if (!o.budgetMs && !o.budgetPositions) {
        return {0, 2000.0};
    }
    return {o.budgetPositions.value_or(0), static_cast<double>(o.budgetMs.value_or(0))};
}

struct Interval {
    double low;
    double high;
};

// Wilson's score interval for a share of k in n, at 95%.
Interval wilson(std::uint64_t k, std::uint64_t n)
{
    const double z = 1.959964;
    const double dn = static_cast<double>(n);
    const double p = static_cast<double>(k) / dn;
    const double centre = (p + z * z / (2 * dn)) / (1 + z * z / dn);
    const double half = z * std::sqrt(p * (1 - p) / dn + z * z / (4 * dn * dn)) / (1 + z * z / dn);
    return {centre - half, centre + half};
}

std::string budgetText(const solver::Budget& b)
{
    const std::string ms = std::to_string(static_cast<long long>(b.milliseconds)) + " ms";
    const std::string positions = std::to_string(b.positions) + " positions";
    if (b.positions == 0) {
        return ms;
    }
    return b.milliseconds > 0.0 ? ms + " or " + positions + ", whichever runs out first,"
                                : positions + " (no time limit)";
}

// The reductions switched off, if any: a run without them says so in its summary.
std::string reductionsText(const solver::Pruning& p)
{
    std::string off;
    const auto add = [&](bool on, const char* name) {
        if (!on) {
            off += (off.empty() ? "" : " and ") + std::string(name);
        }
    };
    add(p.safeMovesFirst, "safe moves");
    add(p.lowCardsStayHome, "low cards home");
    add(p.stockReach, "stock reach");
    add(p.foundationsAlike, "foundation symmetry");
    add(p.deadEnds, "dead ends");
    return off.empty() ? "" : " without " + off;
}

// The line of one deal, and its cards and moves when it was won and they were asked for.
solver::Outcome solveAndPrint(const std::string& name, const solver::Deal& deal, const Options& o)
{
    const solver::Result r = solver::solve(deal, budgetOf(o), o.pruning);
    std::printf("%s %s %llu positions %.2f ms\n", name.c_str(), solver::outcomeName(r.outcome),
                static_cast<unsigned long long>(r.positions), r.milliseconds);
    if (o.moves && r.outcome == solver::Outcome::Won) {
        std::printf("  cards %s\n  moves %s\n", solver::dealText(deal).c_str(), solver::movesText(r.moves).c_str());
    }
    std::fflush(stdout);
    return r.outcome;
}

}  // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = answerHelpOrVersion(argc, argv)) {
        return *answered;
    }
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (options->cards) {
        solveAndPrint("cards", *options->cards, *options);
        return 0;
    }
    std::uint64_t counts[3] = {0, 0, 0};
    for (std::uint64_t i = 0; i < options->count; ++i) {
        const std::uint64_t seed = options->seed + i;
        ++counts[static_cast<int>(solveAndPrint("seed " + std::to_string(seed), seededDeal(seed), *options))];
    }
    const std::uint64_t won = counts[static_cast<int>(solver::Outcome::Won)];
    const Interval ci = wilson(won, options->count);
    std::printf("%llu deals from seed %llu, budget %s per deal%s: %llu won, %llu lost, %llu unknown\n",
                static_cast<unsigned long long>(options->count), static_cast<unsigned long long>(options->seed),
                budgetText(budgetOf(*options)).c_str(), reductionsText(options->pruning).c_str(),
                static_cast<unsigned long long>(won),
                static_cast<unsigned long long>(counts[static_cast<int>(solver::Outcome::Lost)]),
                static_cast<unsigned long long>(counts[static_cast<int>(solver::Outcome::Unknown)]));
    std::printf("share won %.1f%% (95%% confidence interval %.1f%% to %.1f%%, Wilson)\n",
                100.0 * static_cast<double>(won) / static_cast<double>(options->count), 100.0 * ci.low,
                100.0 * ci.high);
    return 0;
}
