// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own shuffle and deal, fed by a random source seeded from a number instead of the
// clock, so that a seed names the same deal every time.
#pragma once

#include <cstdint>

#include "game/ports.h"
#include "solver/position.h"

namespace morvane {

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    void reseedFromClock() override {}  // the seed alone decides the deal
    double next() override;

private:
    std::uint64_t state_;
};

// The deal Mescola makes for this seed.
solver::Deal seededDeal(std::uint64_t seed);

}  // namespace morvane
