// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A media player as the game drives it: one open piece, a start position, play, pause, stop, close.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace morvane {

// Notifications may be raised on any thread; whoever wires a player to the game must deliver them
// on the window's thread, between other events.
struct PlayerNotifications {
    std::function<void()> done;           // a play reached the end of the piece
    std::function<void()> stopCompleted;  // a stop has completed
};

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    // Opens a piece, stopped at its beginning. A piece that cannot be opened leaves the player silent.
    virtual void open(const std::string& path) = 0;
    virtual void close() = 0;
    // Plays from the start position when one was set since the last play, else from where the piece is.
    // Playing while already playing carries on.
    virtual void play() = 0;
    virtual void pause() = 0;
    // Continues a paused piece from the same point; starts a stopped one from where it is.
    virtual void resume() = 0;
    virtual void stop() = 0;
    // Sets the start position of the next play to the beginning of the piece.
    virtual void rewind() = 0;
    // Where the piece is and how long it is, in the player's own unit; equal when a play has ended.
    virtual std::int32_t position() const = 0;
    virtual std::int32_t length() const = 0;
    virtual void setNotifications(PlayerNotifications notifications) = 0;
};

}  // namespace morvane
