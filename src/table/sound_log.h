// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's log of why its sound stays silent: the category morvane.sound, off unless the player turns it on.
#pragma once

#include "sound/sound_diagnostics.h"

namespace morvane {

// Each reason becomes a warning of morvane.sound, which QT_LOGGING_RULES="morvane.*=true" turns on;
// left alone, the game prints nothing.
class SoundLog final : public SoundDiagnostics {
public:
    void report(const std::string& reason) override;
};

}  // namespace morvane
