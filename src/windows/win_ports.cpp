// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine as Windows offers it.
#include "win_ports.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "wide_text.h"

namespace morvane {

double WinClock::secondsOfDay()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

bool WinEventPump::dispatch(MSG& message)
{
    if (message.message == WM_QUIT) {
        quit_ = true;
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

// Sleeps until a message arrives or the time is up, so that the title pause costs no processor time.
// A WM_QUIT met here is posted again, so that the main loop ends too.
bool WinEventPump::processEvents(double maxSeconds)
{
    if (quit_ || !IsWindow(window_)) {
        return false;
    }
    const auto wait = static_cast<DWORD>(std::max(1.0, std::ceil(maxSeconds * 1000.0) + 5.0));
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!dispatch(message)) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
    }
    return IsWindow(window_) != FALSE;
}

// Each deal draws from a generator seeded afresh from the clock and the system's entropy.
void WinRandom::reseedFromClock()
{
    std::random_device entropy;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    std::seed_seq seed{static_cast<std::uint32_t>(entropy()), static_cast<std::uint32_t>(now.dwLowDateTime),
                       static_cast<std::uint32_t>(now.dwHighDateTime)};
    engine_.seed(seed);
}

double WinRandom::next() { return uniform_(engine_); }

void WinBeeper::beep() { MessageBeep(MB_OK); }

// Closed as by its close button, so that the game unloads on the same road.
void WinWindowControl::closeWindow()
{
    if (window_ != nullptr) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
    }
}

std::string programFolder()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            std::wstring whole(path.data(), length);
            return narrow(whole.substr(0, whole.find_last_of(L"\\/")));
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace morvane
