// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer router with the table watched after every event: raw pointer events, ticks, menu
// commands and deals, the card in hand followed from the press that picks it up to its release.
#pragma once

#include <cstdint>
#include <string>

#include "interaction/pointer_router.h"
#include "support/zone_changes.h"

namespace morvane::testing {

class CheckedRouter {
public:
    explicit CheckedRouter(Game& game) : game_(game), router_(game) { check(); }

    void press(std::int16_t button, float x, float y)
    {
        pickUp(x, y, [&] { router_.press(button, x, y); });
    }

    void doubleClick(std::int16_t button, float x, float y)
    {
        pickUp(x, y, [&] { router_.doubleClick(button, x, y); });
    }

    void move(float x, float y)
    {
        router_.move(x, y);
        check();
    }

    void release(std::int16_t button, float x, float y)
    {
        const bool letsGo = router_.isCaptured();
        router_.release(button, x, y);
        if (letsGo && !router_.isCaptured()) {
            hand_ = 0;
        }
        check();
    }

    // Any other handler of the game: a tick, a menu command, a new deal, the window closing.
    template <typename Handler>
    void handle(Handler handler)
    {
        handler(game_);
        check();
    }

    bool isCaptured() const { return router_.isCaptured(); }
    CardIndex inHand() const { return hand_; }
    // The table as the audit read it after the last event.
    const TableMoment& moment() const { return watch_.moment(); }
    // What was wrong with the table after the last event, or "".
    const std::string& fault() const { return fault_; }

private:
    // A press that starts a drag puts the card it reached in hand.
    template <typename Press>
    void pickUp(float x, float y, Press press)
    {
        const bool free = !router_.isCaptured();
        const Target target = targetAt(game_.table, x, y);
        press();
        if (free && router_.isCaptured()) {
            hand_ = target.control == Control::Card && game_.hand.Dragging ? target.card : 0;
        }
        check();
    }

    void check()
    {
        if (game_.table.dealNumber != deal_) {
            deal_ = game_.table.dealNumber;
            hand_ = 0;  // a card held across a deal is no longer in anyone's hand
        }
        fault_ = watch_.fault(game_, hand_);
        if (fault_.empty() && hand_ != 0 && !game_.hand.Dragging) {
            fault_ = "card " + std::to_string(hand_) + " was picked up but no drag is under way";
        }
    }

    Game& game_;
    PointerRouter router_;
    TableWatch watch_;
    CardIndex hand_ = 0;
    std::uint32_t deal_ = 0;
    std::string fault_;
};

}  // namespace morvane::testing
