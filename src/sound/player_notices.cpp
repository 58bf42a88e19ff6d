// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Done and stop notices raised on the audio side and handed to the game on the audio system's own thread.
#include "sound/player_notices.h"

#include <utility>

namespace morvane {

void Doorbell::ring()
{
    std::lock_guard lock(mutex_);
    rung_ = true;
    bell_.notify_one();
}

void Doorbell::shutDown()
{
    std::lock_guard lock(mutex_);
    shuttingDown_ = true;
    bell_.notify_one();
}

bool Doorbell::waitFor(std::chrono::milliseconds time)
{
    std::unique_lock lock(mutex_);
    bell_.wait_for(lock, time, [this] { return rung_ || shuttingDown_; });
    rung_ = false;
    return !shuttingDown_;
}

PlayerNotices::PlayerNotices(Doorbell& doorbell) : doorbell_(doorbell) {}

void PlayerNotices::set(PlayerNotifications notifications)
{
    std::lock_guard lock(mutex_);
    notifications_ = std::move(notifications);
}

void PlayerNotices::raiseDone()
{
    ++pendingDone_;
    doorbell_.ring();
}

void PlayerNotices::raiseStopCompleted()
{
    ++pendingStops_;
    doorbell_.ring();
}

void PlayerNotices::deliver()
{
    const int done = pendingDone_.exchange(0);
    const int stops = pendingStops_.exchange(0);
    if (done == 0 && stops == 0) {
        return;
    }
    std::lock_guard lock(mutex_);
    const PlayerNotifications handlers = notifications_;
    for (int i = 0; i < stops && handlers.stopCompleted; ++i) {
        handlers.stopCompleted();
    }
    for (int i = 0; i < done && handlers.done; ++i) {
        handlers.done();
    }
}

}  // namespace morvane
