// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the sound libraries from printing: a sound failure never speaks to the player.
#pragma once

#include <string>

namespace morvane {

// SDL's and FluidSynth's messages go nowhere from here on.
void silenceSdlAndFluidSynth();
// ALSA prints its own complaints (no sound card, say) unless told not to; SDL loads it on demand,
// so this runs once SDL's audio is initialised and before it opens a device.
void silenceAlsaIfLoaded();

// While it lives, GLib's messages of no domain go nowhere: FluidSynth hands a soundfont it cannot read to
// libinstpatch, whose complaints come that way.
class GlibSilence {
public:
    GlibSilence();
    ~GlibSilence();
    GlibSilence(const GlibSilence&) = delete;
    GlibSilence& operator=(const GlibSilence&) = delete;

private:
    unsigned handler_;
};

// While it lives, FluidSynth's error messages are kept instead of dropped, so that the reason a
// soundfont did not load can be told. FluidSynth's log is the whole process's: one at a time.
class FluidSynthErrors {
public:
    FluidSynthErrors();
    ~FluidSynthErrors();
    FluidSynthErrors(const FluidSynthErrors&) = delete;
    FluidSynthErrors& operator=(const FluidSynthErrors&) = delete;

    // The messages kept since the last take, and none from then on.
    std::string take();

private:
    std::string text_;
};

}  // namespace morvane
