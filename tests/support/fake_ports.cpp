// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted stand-ins for the machine.
#include "fake_ports.h"

#include <algorithm>

#include "game/lifecycle.h"

namespace morvane::testing {

bool FakeEventPump::processEvents(double maxSeconds)
{
    waits.push_back(maxSeconds);
    ++calls;
    clock_.now += step;
    if (clock_.now >= 86400.0) {
        clock_.now -= 86400.0;
    }
    if (onEvents) {
        onEvents();
    }
    return closeAfterCalls < 0 || calls < closeAfterCalls;
}

double ScriptedRandom::next()
{
    ++draws;
    if (!script.empty()) {
        const double u = script.front();
        script.pop_front();
        return u;
    }
    // r = int(u * 41): the middle of r's interval draws card r; cards already drawn are redrawn.
    const int r = fallbackCard_;
    fallbackCard_ = fallbackCard_ % 40 + 1;
    return (r + 0.5) / 41.0;
}

void ScriptedRandom::scriptCards(const std::vector<int>& cards)
{
    for (const int card : cards) {
        script.push_back((card + 0.5) / 41.0);
    }
}

std::unique_ptr<FakeMachine> dealtGame(const std::vector<int>& firstCards)
{
    auto machine = std::make_unique<FakeMachine>();
    machine->random.scriptCards(firstCards);
    Form_Load(machine->game);
    Form_Activate(machine->game);
    return machine;
}

}  // namespace morvane::testing
