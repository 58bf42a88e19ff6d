// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound: one audio device and mixer, one General MIDI synth, the music and rustle players.
#include "sound/audio_system.h"

#include <chrono>
#include <utility>

#include "sound/quiet_libraries.h"
#include "sound/sound_font_synth.h"

namespace morvane {
namespace {

constexpr int kRustleChannel = 0;
// How often the thread looks whether anything sounds; the device sleeps after two quiet looks in a
// row, so a piece the game restarts at once from its "done" never finds the device asleep.
constexpr std::chrono::milliseconds kQuietLook{500};

}  // namespace

AudioSystem::AudioSystem(AudioOptions options)
    : options_(std::move(options)),
      diagnostics_(options_.diagnostics != nullptr ? *options_.diagnostics : unheardDiagnostics()),
      music_(device_, doorbell_, diagnostics_),
      rustle_(device_, doorbell_, diagnostics_)
{
    silenceSdlAndFluidSynth();
}

void AudioSystem::start()
{
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { run(); });
    }
}

AudioSystem::~AudioSystem()
{
    doorbell_.shutDown();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void AudioSystem::run()
{
    const bool deviceOpen = device_.open(diagnostics_);
    if (deviceOpen) {
        attachPlayers();
    }
    serve();
    if (deviceOpen) {
        detachPlayers();
        device_.close();
    }
}

// The rustle needs only the mixer, so it is ready before the soundfont has loaded.
void AudioSystem::attachPlayers()
{
    rustle_.attach(kRustleChannel);
    synth_ = SoundFontSynth::load(options_.soundFonts, AudioDevice::kSampleRate, diagnostics_);
    if (synth_) {
        music_.attach(synth_->synth());
    }
}

void AudioSystem::serve()
{
    bool quietBefore = false;
    auto nextLook = std::chrono::steady_clock::now() + kQuietLook;
    while (doorbell_.waitFor(kQuietLook)) {
        music_.deliverNotices();
        rustle_.deliverNotices();
        if (std::chrono::steady_clock::now() < nextLook) {
            continue;
        }
        nextLook = std::chrono::steady_clock::now() + kQuietLook;
        const bool quietNow = quiet();
        if (quietNow && quietBefore) {
            device_.sleepIf([this] { return quiet(); });
        }
        quietBefore = quietNow;
    }
}

void AudioSystem::detachPlayers()
{
    if (synth_) {
        music_.detach();
    }
    rustle_.detach();
}

bool AudioSystem::quiet() const { return !music_.sounding() && !rustle_.sounding(); }

}  // namespace morvane
