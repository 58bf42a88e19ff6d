// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks of the machine: time, event processing, chance, the beep, the window and its sounds.
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
    // Opens a piece, its path in UTF-8, stopped at its beginning. A piece that cannot be opened leaves the player silent.
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

class Clock {
public:
    virtual ~Clock() = default;
    // Time of day in seconds; it wraps to 0 at midnight.
    virtual double secondsOfDay() = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Processes the pending window events, waiting at most maxSeconds for one to arrive.
    // Returns false once the window has been closed.
    virtual bool processEvents(double maxSeconds) = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // A uniform number u with 0 <= u < 1.
    virtual double next() = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class WindowControl {
public:
    virtual ~WindowControl() = default;
    virtual void closeWindow() = 0;
};

struct Ports {
    Clock& clock;
    EventPump& events;
    RandomSource& random;
    Beeper& beeper;
    WindowControl& window;
    MediaPlayer& MMC1;        // the music
    MediaPlayer& MMCw;        // the card rustle
    std::string soundFolder;  // where Music/ and carta.wav lie, in UTF-8: beside the game, or where it is installed
};

}  // namespace morvane
