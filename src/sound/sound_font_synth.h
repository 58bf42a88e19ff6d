// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// FluidSynth's synthesizer with the General MIDI soundfont, set up to play the game's music cheaply.
#pragma once

#include <fluidsynth.h>

#include <memory>
#include <string>
#include <vector>

#include "sound/sound_diagnostics.h"

namespace morvane {

class SoundFontSynth {
public:
    // A synth with the first soundfont of the list that loads, or nothing when none does; then the
    // diagnostics hear where each was looked for and why it did not load.
    static std::unique_ptr<SoundFontSynth> load(const std::vector<std::string>& soundFonts, int sampleRate,
                                                SoundDiagnostics& diagnostics);
    ~SoundFontSynth();
    SoundFontSynth(const SoundFontSynth&) = delete;
    SoundFontSynth& operator=(const SoundFontSynth&) = delete;

    fluid_synth_t* synth() const { return synth_; }

private:
    SoundFontSynth(fluid_settings_t* settings, fluid_synth_t* synth);

    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
};

}  // namespace morvane
