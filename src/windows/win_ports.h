// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine as Windows offers it: the time of day, the message loop, chance, the beep, the
// program's folder and closing the window.
#pragma once

#include <windows.h>

#include <random>
#include <string>

#include "game/ports.h"

namespace morvane {

class WinClock final : public Clock {
public:
    double secondsOfDay() override;
};

// Runs the window's messages while the game waits, as the main loop runs them.
class WinEventPump final : public EventPump {
public:
    void attach(HWND window) { window_ = window; }
    bool processEvents(double maxSeconds) override;
    // One message of the loop; false once the program is to end.
    bool dispatch(MSG& message);

private:
    HWND window_ = nullptr;
    bool quit_ = false;
};

class WinRandom final : public RandomSource {
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

class WinBeeper final : public Beeper {
public:
    void beep() override;
};

class WinWindowControl final : public WindowControl {
public:
    void attach(HWND window) { window_ = window; }
    void closeWindow() override;

private:
    HWND window_ = nullptr;
};

// The folder of the running program, without a trailing separator, in UTF-8.
std::string programFolder();

}  // namespace morvane
