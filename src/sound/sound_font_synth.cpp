// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// FluidSynth's synthesizer with the General MIDI soundfont, set up to play the game's music cheaply.
#include "sound/sound_font_synth.h"

#include "sound/quiet_libraries.h"

namespace morvane {
namespace {

// The game's pieces need few voices at once; fewer voices and no chorus keep the music's share of
// the processor small on any machine. The gain sets the music at a moderate level under the rustle
// (peaks near -9 dBFS, the rustle's near -6).
void chooseSettings(fluid_settings_t* settings, int sampleRate)
{
    fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings, "synth.gain", 1.0);
    fluid_settings_setint(settings, "synth.polyphony", 48);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
}

// Empty when the soundfont at `path` loaded into the synth, else why it did not.
std::string whyNotLoaded(fluid_synth_t* synth, const std::string& path, FluidSynthErrors& errors)
{
    const std::string unreadable = whyUnreadable(path);
    if (!unreadable.empty()) {
        return unreadable;
    }
    if (fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED) {
        return "";
    }
    const std::string error = errors.take();
    return "does not load" + (error.empty() ? "" : ": " + error);
}

}  // namespace

std::unique_ptr<SoundFontSynth> SoundFontSynth::load(const std::vector<std::string>& soundFonts, int sampleRate,
                                                     SoundDiagnostics& diagnostics)
{
    fluid_settings_t* settings = new_fluid_settings();
    if (settings != nullptr) {
        chooseSettings(settings, sampleRate);
    }
    fluid_synth_t* synth = settings != nullptr ? new_fluid_synth(settings) : nullptr;
    if (synth == nullptr) {
        delete_fluid_settings(settings);
        diagnostics.report("FluidSynth could not make a synthesizer; the music stays silent");
        return nullptr;
    }
    std::unique_ptr<SoundFontSynth> loaded(new SoundFontSynth(settings, synth));
    const GlibSilence quiet;
    FluidSynthErrors errors;
    std::string looked;
    for (const std::string& path : soundFonts) {
        const std::string why = whyNotLoaded(synth, path, errors);
        if (why.empty()) {
            return loaded;
        }
        looked += "; " + path + " " + why;
    }
    diagnostics.report("no soundfont, the music stays silent" + looked);
    return nullptr;
}

SoundFontSynth::SoundFontSynth(fluid_settings_t* settings, fluid_synth_t* synth) : settings_(settings), synth_(synth) {}

SoundFontSynth::~SoundFontSynth()
{
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

}  // namespace morvane
