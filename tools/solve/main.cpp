// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// morvane-solve: how many of the game's deals can be won. Solves the deals of a run of seeds, or one
// deal given as its cards, and prints one line per deal, then for seeds the counts and the share
// won with its 95% confidence interval.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
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
    "       morvane-solve -h | --help | -v | --version\n"
    "An option's value follows it as the next argument or after '=': --seed 7 or --seed=7.\n"
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

// --help (-h) prints the usage and --version (-v) the name and version, both on standard output, and
// the tool ends with status 0; any other command line is left to parse().
std::optional<int> answerHelpOrVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version" || arg == "-v") {
            std::puts("morvane-solve " MORVANE_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

// A command line not understood: one line on standard error saying what was wrong, and where the usage is.
std::nullopt_t refuse(const std::string& what)
{
    std::fprintf(stderr, "morvane-solve: %s\nTry 'morvane-solve --help'.\n", what.c_str());
    return std::nullopt;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Reads a whole number written in decimal digits, at least LEAST, into VALUE; what is wrong with the
// text, or nothing. A minus sign is read too, so that a negative number is told as too small.
std::optional<std::string> numberFault(std::string_view text, std::uint64_t least, std::uint64_t& value)
{
    const bool negative = text.starts_with('-');
    const std::string digits(text.substr(negative ? 1 : 0));
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
        return "is not a number";
    }
    errno = 0;
    value = std::strtoull(digits.c_str(), nullptr, 10);
    if (errno == ERANGE && !negative) {
        return "is too large";
    }
    if ((negative && digits.find_first_not_of('0') != std::string::npos) || value < least) {
        return "is less than " + std::to_string(least);
    }
    return std::nullopt;
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

bool takesValue(std::string_view arg)
{
    return arg == "--seed" || arg == "--count" || arg == "--budget-ms" || arg == "--budget-positions" ||
           arg == "--cards";
}

// The options read; or nothing, once the reason has been told.
std::optional<Options> parse(int argc, char** argv)
{
    Options o;
    bool seedGiven = false;
    bool countGiven = false;
    for (int i = 1; i < argc; ++i) {
        // A value comes as the next argument, or after an equals sign: --seed 7 or --seed=7.
        std::string arg = argv[i];
        std::optional<std::string> attached;
        if (const std::size_t equals = arg.find('='); arg.starts_with("--") && equals != std::string::npos) {
            attached = arg.substr(equals + 1);
            arg.resize(equals);
        }
        if (parseSwitch(arg, o)) {
            if (attached) {
                return refuse(arg + " takes no value");
            }
            continue;
        }
        if (!takesValue(arg)) {
            return refuse(quoted(argv[i]) + " is not an option");
        }
        if (!attached && i + 1 == argc) {
            return refuse(arg + " needs a value");
        }
        const std::string text = attached ? *attached : argv[++i];
        if (arg == "--cards") {
            o.cards = solver::dealFromText(text);
            if (!o.cards) {
                return refuse(arg + ": " + quoted(text) + " is not the 40 card indexes 1 to 40, each once");
            }
            continue;
        }
        // Seeds count from 0, counts and budgets from 1.
        std::uint64_t value = 0;
        if (const std::optional<std::string> fault = numberFault(text, arg == "--seed" ? 0 : 1, value)) {
            return refuse(arg + ": " + quoted(text) + " " + *fault);
        }
        if (arg == "--seed") {
            o.seed = value;
            seedGiven = true;
        } else if (arg == "--count") {
            o.count = value;
            countGiven = true;
        } else if (arg == "--budget-ms") {
            o.budgetMs = value;
        } else {
            o.budgetPositions = value;
        }
    }
    if (o.cards && (seedGiven || countGiven)) {
        return refuse("--cards takes neither --seed nor --count");
    }
    if (!o.cards && !(seedGiven && countGiven)) {
        const char* missing = seedGiven ? "--count is missing" : countGiven ? "--seed is missing" : "nothing to solve";
        return refuse(std::string(missing) + ": give --seed and --count, or --cards");
    }
    // The seeds S to S+N-1 are all 64-bit numbers: none wraps round to 0.
    if (!o.cards && o.count - 1 > std::numeric_limits<std::uint64_t>::max() - o.seed) {
        return refuse("--count: " + quoted(std::to_string(o.count)) + " deals from seed " + std::to_string(o.seed) +
                      " run past the last seed, " + std::to_string(std::numeric_limits<std::uint64_t>::max()));
    }
    return o;
}

// A count and its noun, which agree in number: 1 deal, 2 deals.
std::string counted(std::uint64_t n, const char* noun)
{
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
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
    const std::string positions = counted(b.positions, "position");
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
    std::printf("%s %s %s %.2f ms\n", name.c_str(), solver::outcomeName(r.outcome),
                counted(r.positions, "position").c_str(), r.milliseconds);
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
    std::printf("%s from seed %llu, budget %s per deal%s: %llu won, %llu lost, %llu unknown\n",
                counted(options->count, "deal").c_str(), static_cast<unsigned long long>(options->seed),
                budgetText(budgetOf(*options)).c_str(), reductionsText(options->pruning).c_str(),
                static_cast<unsigned long long>(won),
                static_cast<unsigned long long>(counts[static_cast<int>(solver::Outcome::Lost)]),
                static_cast<unsigned long long>(counts[static_cast<int>(solver::Outcome::Unknown)]));
    std::printf("share won %.1f%% (95%% confidence interval %.1f%% to %.1f%%, Wilson)\n",
                100.0 * static_cast<double>(won) / static_cast<double>(options->count), 100.0 * ci.low,
                100.0 * ci.high);
    return 0;
}
