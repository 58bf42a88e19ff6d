// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The system's media control interface, sending the players' command strings and logging them on request.
#pragma once

#include <windows.h>

#include <string>

#include "mci_player.h"

namespace morvane {

// Commands sent with "notify" report to `window` (MM_MCINOTIFY). With the log on, each command and its
// outcome is written to the standard error, prefixed "morvane.sound: ".
class SystemMci final : public MciCommands {
public:
    explicit SystemMci(bool log) : log_(log) {}
    void notifyTo(HWND window) { window_ = window; }
    bool send(const std::wstring& command, std::wstring& reply) override;
    // Some MCI drivers open files through the system's code page: a path with a letter beyond it is
    // given by its short name, which has none.
    std::wstring reachableName(const std::wstring& path) override;
    // The device an alias names now; 0 when none is open under it.
    static unsigned deviceOf(const std::wstring& alias);

private:
    bool log_;
    HWND window_ = nullptr;
};

// The sound log is on when the logging rules turn on morvane.sound, "morvane.*=true" or
// "morvane.sound=true", in QT_LOGGING_RULES as on Linux or in MORVANE_LOGGING_RULES, which Wine passes
// on where it keeps the QT_ variables of the Linux side from a Windows program.
bool soundLogWanted();

}  // namespace morvane
