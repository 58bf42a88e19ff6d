// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a player's session: raw pointer events with any button anywhere, timer ticks, menu
// commands, new deals and the window closing, fed through the pointer router with the table
// audited after each event. A table that is not whole aborts the run.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "game/lifecycle.h"
#include "game/panels.h"
#include "interaction/card_drag.h"
#include "interaction/table_events.h"
#include "game/sound_cues.h"
#include "support/checked_router.h"
#include "support/fake_ports.h"

namespace {

using namespace morvane;

// Reads the input front to back; past its end every read gives 0.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool atEnd() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint16_t word()
    {
        const int high = byte();
        return static_cast<std::uint16_t>(high << 8 | byte());
    }

    // Mostly a point of the table in quarter pixels, a little beyond its edges; now and then far
    // outside the window, where a captured pointer may wander.
    float coordinate()
    {
        const std::uint16_t w = word();
        if (w >= 0xFF00) {
            return static_cast<float>(static_cast<std::int8_t>(w & 0xFF)) * 1000.0F;
        }
        return static_cast<float>(w % 2800) / 4.0F - 50.0F;
    }

    std::int16_t button()
    {
        const std::uint8_t b = byte();
        return b < 200 ? kLeftButton : b < 230 ? kRightButton : kMiddleButton;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The menu's commands, as the window hands them to the game.
void menuCommand(testing::CheckedRouter& router, testing::FakeMachine& machine, std::uint8_t which,
                 std::mt19937& random)
{
    switch (which % 11) {
    case 0:
        if (machine.game.table.Nuova.Enabled) {
            machine.random.scriptCards(testing::shuffledDeck(random));
            router.handle(Nuova_Click);
        }
        break;
    case 1:
        router.handle([](Game& g) { partita_Click(g.table); });
        break;
    case 2:
        router.handle([](Game& g) { opzioni_Click(g.table); });
        break;
    case 3:
        router.handle([](Game& g) { help_Click(g.table); });
        break;
    case 4:
        router.handle([](Game& g) { Help_english_Click(g.table); });
        break;
    case 5:
        router.handle([](Game& g) { Help_italiano_Click(g.table); });
        break;
    case 6:
        router.handle([](Game& g) { about_Click(g.table); });
        break;
    case 7:
        router.handle([](Game& g) { Text_Click(g.table); });
        break;
    case 8:
        router.handle(Option_music_Click);
        break;
    case 9:
        router.handle(Option_card_rustle_Click);
        break;
    default:
        router.handle(esci_Click);  // asks the window to close; the close itself is its own event
        break;
    }
}

// A left click where the pointer is: the one gesture random points seldom make.
void click(testing::CheckedRouter& router, float x, float y)
{
    router.move(x, y);
    router.press(kLeftButton, x, y);
    router.release(kLeftButton, x, y);
}

}  // namespace

// A long session is no better than a short one: the fuzzer builds on what the short ones reach.
constexpr int kMostEvents = 4096;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    std::mt19937 random(bytes.word());
    auto machine = testing::dealtGame(testing::shuffledDeck(random));
    testing::CheckedRouter router(machine->game);
    // The window closing ends the game, and with it the session.
    for (int events = 0; !bytes.atEnd() && events < kMostEvents && !machine->game.table.closed; ++events) {
        const std::uint8_t kind = bytes.byte();
        switch (kind % 8) {
        case 0:
        case 1:
            router.move(bytes.coordinate(), bytes.coordinate());
            break;
        case 2:
            router.press(bytes.button(), bytes.coordinate(), bytes.coordinate());
            break;
        case 3:
            router.release(bytes.button(), bytes.coordinate(), bytes.coordinate());
            break;
        case 4:
            router.doubleClick(bytes.button(), bytes.coordinate(), bytes.coordinate());
            break;
        case 5:
            if (machine->game.table.Timer1.Enabled) {
                router.handle(Timer1_Timer);
            }
            break;
        case 6:
            menuCommand(router, *machine, bytes.byte(), random);
            break;
        default:
            if (kind == 0xFF) {
                router.handle(Form_Unload);
            } else {
                click(router, bytes.coordinate(), bytes.coordinate());
            }
            break;
        }
        if (!router.fault().empty()) {
            std::fprintf(stderr, "after event %d: %s\n", events, router.fault().c_str());
            std::abort();
        }
    }
    return 0;
}
