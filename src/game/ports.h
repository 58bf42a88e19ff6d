// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks of the machine: time, event processing, chance, the beep, the window and its sounds.
#pragma once

#include <string>

namespace morvane {

class MediaPlayer;

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
    std::string soundFolder;  // where Music/ and carta.wav lie: beside the game, or where it is installed
};

}  // namespace morvane
