// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Morvane for Windows: a patience game with the 40-card Neapolitan deck.
#include <windows.h>

#include "mci_player.h"
#include "system_mci.h"
#include "table_window.h"
#include "win_ports.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    morvane::SystemMci mci(morvane::soundLogWanted());
    morvane::MciPlayer music(mci, L"MMC1", L"sequencer");
    morvane::MciPlayer rustle(mci, L"MMCw", L"waveaudio");
    morvane::WinClock clock;
    morvane::WinEventPump events;
    morvane::WinRandom random;
    morvane::WinBeeper beeper;
    morvane::WinWindowControl windowControl;
    morvane::TableWindow window({clock, events, random, beeper, windowControl, music, rustle, morvane::programFolder()},
                                music);
    window.show(show);
    mci.notifyTo(window.handle());
    windowControl.attach(window.handle());
    events.attach(window.handle());
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        events.dispatch(message);
    }
    return 0;
}
