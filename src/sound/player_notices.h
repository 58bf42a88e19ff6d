// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Done and stop notices raised on the audio side and handed to the game on the audio system's own thread.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "game/ports.h"

namespace morvane {

// Wakes the audio system's thread: a notice is waiting, or the system is shutting down.
class Doorbell {
public:
    void ring();
    void shutDown();
    // Waits until rung or until the time is up; false once the system is shutting down.
    bool waitFor(std::chrono::milliseconds time);

private:
    std::mutex mutex_;
    std::condition_variable bell_;
    bool rung_ = false;
    bool shuttingDown_ = false;
};

// One player's notices. Raising never blocks for long, so the mixer may raise them while it mixes.
// Delivering holds no lock the players use, so a handler may command its player at once. Replacing the
// handlers waits for a delivery under way: once set() returns, the old ones are never called again.
class PlayerNotices {
public:
    explicit PlayerNotices(Doorbell& doorbell);
    void set(PlayerNotifications notifications);
    void raiseDone();
    void raiseStopCompleted();
    void deliver();

private:
    Doorbell& doorbell_;
    std::atomic<int> pendingDone_{0};
    std::atomic<int> pendingStops_{0};
    std::recursive_mutex mutex_;  // a handler may replace the handlers itself
    PlayerNotifications notifications_;
};

}  // namespace morvane
