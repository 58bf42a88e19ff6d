// morvane-solve: how many of the game's deals can be won. Solves the deals of a run of seeds and
// prints one line per deal, then the counts and the share won with its 95% confidence interval.
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
    "       morvane-solve --help | --version\n"
    "Solves the deals of seeds S to S+N-1 (the game's own shuffle and deal, seeded with the number).\n"
    "Each deal gives one line: seed, result (won, lost, unknown), positions searched, milliseconds\n"
    "of processor time. A deal is lost when every reachable position was searched; unknown when the\n"
    "budget ran out first (default 2000 ms of processor time per deal; a budget in positions gives\n"
    "the same answers on every machine).\n"
    "--moves adds, for each won deal, its 40 cards in deal-position order (columns 1-4, base card,\n"
    "reserve 6-12, stock 13-40) and the winning moves: stock, recycle, reserve, or C:F-T for card C\n"
    "from F to T, places being w (waste), f1-f4 (foundations), c1-c4 (columns).\n"
    "The manual: man morvane-solve\n";

struct Options {
    std::uint64_t seed = 0;
    std::uint64_t count = 0;
    solver::Budget budget{0, 2000.0};
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

std::optional<Options> parse(int argc, char** argv)
{
    Options o;
    bool seedGiven = false;
    bool countGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--moves") {
            o.moves = true;
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
        } else if (arg == "--budget-ms") {
            o.budget.milliseconds = static_cast<double>(*value);
        } else if (arg == "--budget-positions") {
            o.budget.positions = *value;
        } else {
            return std::nullopt;
        }
    }
    if (!seedGiven || !countGiven) {
        return std::nullopt;
    }
    return o;
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
    std::string text;
    if (b.milliseconds > 0.0) {
        text = std::to_string(static_cast<long long>(b.milliseconds)) + " ms";
    }
    if (b.positions > 0) {
        text += text.empty() ? "" : " or ";
        text += std::to_string(b.positions);
        text += " positions";
    }
    return text.empty() ? "none" : text;
}

}  // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = answerHelpOrVersion(argc, argv)) {
        return *answered;
    }
    const std::optional<Options> options = parse(argc, argv);
    if (!options || options->count == 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::uint64_t counts[3] = {0, 0, 0};
    for (std::uint64_t i = 0; i < options->count; ++i) {
        const std::uint64_t seed = options->seed + i;
        const solver::Deal deal = seededDeal(seed);
        const solver::Result r = solver::solve(deal, options->budget);
        ++counts[static_cast<int>(r.outcome)];
        std::printf("seed %llu %s %llu positions %.2f ms\n", static_cast<unsigned long long>(seed),
                    solver::outcomeName(r.outcome), static_cast<unsigned long long>(r.positions), r.milliseconds);
        if (options->moves && r.outcome == solver::Outcome::Won) {
            std::printf("  cards %s\n  moves %s\n", solver::dealText(deal).c_str(), solver::movesText(r.moves).c_str());
        }
        std::fflush(stdout);
    }
    const std::uint64_t won = counts[static_cast<int>(solver::Outcome::Won)];
    const Interval ci = wilson(won, options->count);
    std::printf("%llu deals from seed %llu, budget %s per deal: %llu won, %llu lost, %llu unknown\n",
                static_cast<unsigned long long>(options->count), static_cast<unsigned long long>(options->seed),
                budgetText(options->budget).c_str(), static_cast<unsigned long long>(won),
                static_cast<unsigned long long>(counts[static_cast<int>(solver::Outcome::Lost)]),
                static_cast<unsigned long long>(counts[static_cast<int>(solver::Outcome::Unknown)]));
    std::printf("share won %.1f%% (95%% confidence interval %.1f%% to %.1f%%, Wilson)\n",
                100.0 * static_cast<double>(won) / static_cast<double>(options->count), 100.0 * ci.low,
                100.0 * ci.high);
    return 0;
}
