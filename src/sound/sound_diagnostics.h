// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Why a sound stays silent, told to whoever the game names to hear it: the sound itself never prints.
#pragma once

#include <string>

namespace morvane {

// One reason a call, a line of plain text that names what failed and why. Called on whichever thread
// met the failure: the window's when a piece is opened, the audio system's own otherwise.
class SoundDiagnostics {
public:
    virtual ~SoundDiagnostics() = default;
    virtual void report(const std::string& reason) = 0;
};

// Hears nothing: what the sound tells when the game names no one.
SoundDiagnostics& unheardDiagnostics();

// Why the sound file at `path` cannot be read at all: missing, not a file, unreadable or empty, as
// the end of a sentence that starts with its name; empty when it can be read.
std::string whyUnreadable(const std::string& path);

}  // namespace morvane
