// FluidSynth's synthesizer with the General MIDI soundfont, set up to play the game's music cheaply.
#include "sound/sound_font_synth.h"

#include "sound/quiet_libraries.h"

#include <filesystem>
#include <system_error>

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

bool isFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::unique_ptr<SoundFontSynth> SoundFontSynth::load(const std::vector<std::string>& soundFonts, int sampleRate)
{
    fluid_settings_t* settings = new_fluid_settings();
    if (settings == nullptr) {
        return nullptr;
    }
    chooseSettings(settings, sampleRate);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (synth == nullptr) {
        delete_fluid_settings(settings);
        return nullptr;
    }
    std::unique_ptr<SoundFontSynth> loaded(new SoundFontSynth(settings, synth));
    const GlibSilence quiet;
    for (const std::string& path : soundFonts) {
        if (isFile(path) && fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED) {
            return loaded;
        }
    }
    return nullptr;
}

SoundFontSynth::SoundFontSynth(fluid_settings_t* settings, fluid_synth_t* synth) : settings_(settings), synth_(synth) {}

SoundFontSynth::~SoundFontSynth()
{
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

}  // namespace morvane
