// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine as Qt offers it: the time of day, the event loop, chance, the beep and closing the window.
#pragma once

#include <random>

#include "game/ports.h"

namespace morvane {

class QtClock : public Clock {
public:
    double secondsOfDay() override;
};

// Waits for events in a nested loop, so the title pause costs no processor time; the loop ends
// early when the last window closes.
class QtEventPump : public EventPump {
public:
    QtEventPump();
    bool processEvents(double maxSeconds) override;

private:
    bool closed_ = false;
};

class QtRandom : public RandomSource {
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

class QtBeeper : public Beeper {
public:
    void beep() override;
};

// The game is one window: closing it, and so every window the program shows, ends the program.
class QtWindowControl : public WindowControl {
public:
    void closeWindow() override;
};

}  // namespace morvane
