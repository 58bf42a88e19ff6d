// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own deal for a seed: Mescola on a table of its own, its chance drawn from the seed.
#include "seeded_deal.h"

#include "game/deal.h"

namespace morvane {

// splitmix64: every seed, 0 included, gives a well-mixed stream; the top 53 bits make u.
double SeededRandom::next()
{
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

solver::Deal seededDeal(std::uint64_t seed)
{
    Table table;
    SeededRandom random(seed);
    Mescola(table, random);
    return solver::Deal::fromOrder(table.DealOrder);
}

}  // namespace morvane
