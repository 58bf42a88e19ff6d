// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer router: turns the window's raw pointer events into the game's event handlers, with
// the routing the handlers rely on (capture, drawing order, enabled flags, clicks, double-clicks).
#pragma once

#include <cstdint>
#include <optional>

#include "buttons.h"
#include "game/game.h"

namespace morvane {

enum class Control { Table, Card, Stock, Reserve, WinPrompt };

struct Target {
    Control control = Control::Table;
    CardIndex card = 0;
    friend bool operator==(const Target&, const Target&) = default;
};

// Which control takes a press at (x, y): the topmost card there when it is enabled; a disabled
// card, a place mark, a label without a handler or bare table is the table itself.
Target targetAt(const Table& table, float x, float y);

class PointerRouter {
public:
    explicit PointerRouter(Game& game) : game_(game) {}

    // Buttons are numbered as in buttons.h; positions are pixels of the table.
    void press(std::int16_t button, float x, float y);
    void move(float x, float y);
    void release(std::int16_t button, float x, float y);
    // The second press of a double-click, which arrives instead of a press.
    void doubleClick(std::int16_t button, float x, float y);

    bool isCaptured() const { return capture_.has_value(); }

private:
    struct Capture {
        Target target;
        std::int16_t button = 0;
        std::uint32_t dealNumber = 0;
    };
    struct PressedCard {
        CardIndex card = 0;
        float left = 0.0F;
        float top = 0.0F;
    };

    void pressOn(const Target& target, std::int16_t button, float x, float y);
    void moveOn(const Target& target, float x, float y);
    void releaseOn(const Target& target, std::int16_t button, float x, float y);
    bool isDoubleClickOnCard(const Target& target, std::int16_t button) const;
    bool isClick(const Target& target, std::int16_t button, float x, float y) const;
    bool isLive(const Capture& capture) const;

    Game& game_;
    std::optional<Capture> capture_;
    std::optional<PressedCard> lastPressedCard_;
};

}  // namespace morvane
