// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A test fixture around a game dealt on fake ports, with a check of where a card lies.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_ports.h"

namespace morvane::testing {

class DealtGameTest : public ::testing::Test {
protected:
    DealtGameTest() = default;
    // Deals at once with these cards at the first deal positions.
    explicit DealtGameTest(const std::vector<int>& firstCards) : machine(dealtGame(firstCards)) {}

    void deal(const std::vector<int>& firstCards = {}) { machine = dealtGame(firstCards); }
    Game& game() { return machine->game; }
    Table& table() { return machine->game.table; }
    void expectAt(CardIndex c, float left, float top)
    {
        EXPECT_EQ(table().card(c).Left, left) << "card " << c;
        EXPECT_EQ(table().card(c).Top, top) << "card " << c;
    }
    long rustles() const { return std::ranges::count(machine->rustle.commands, std::string("play")); }

    std::unique_ptr<FakeMachine> machine;
};

}  // namespace morvane::testing
