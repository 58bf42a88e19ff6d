// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The music player: MIDI pieces sequenced by FluidSynth's player and rendered into the mixer's music hook.
#include "sound/midi_player.h"

#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <utility>

namespace morvane {
namespace {

std::string whyNotPlayable(const std::string& path)
{
    const std::string unreadable = whyUnreadable(path);
    return unreadable.empty() ? "fails the check of a MIDI piece that FluidSynth plays" : unreadable;
}

}  // namespace

void MidiPlayer::open(const std::string& path)
{
    auto piece = readMidiPiece(path);
    if (!piece) {
        reportSilent(path, whyNotPlayable(path));
    }
    replacePiece([&] {
        piece_ = std::move(piece);
        loadSequencer();
    });
}

void MidiPlayer::attach(fluid_synth_t* synth)
{
    {
        std::lock_guard lock(mutex_);
        synth_ = synth;
        loadSequencer();
        if (motion_ == Motion::Playing) {
            startSound(false);
        }
    }
    Mix_HookMusic(&MidiPlayer::mixHook, this);
    if (sounding()) {
        device_.wake();
    }
}

void MidiPlayer::detach()
{
    Mix_HookMusic(nullptr, nullptr);
    std::lock_guard lock(mutex_);
    unloadSequencer();
    synth_ = nullptr;
}

// A rewind asks for a fresh sequencer, which starts at tick 0 with no seek for FluidSynth to catch up on.
void MidiPlayer::toBeginning()
{
    position_ = 0;
    unloadSequencer();
    loadSequencer();
}

void MidiPlayer::startSound(bool /*resumePaused*/)
{
    if (sequencer_ != nullptr) {
        fluid_player_play(sequencer_);
    }
}

// FluidSynth's player keeps its tick when stopped and releases the notes that sound.
void MidiPlayer::haltSound(Motion /*motion*/)
{
    if (sequencer_ != nullptr) {
        fluid_player_stop(sequencer_);
    }
}

void MidiPlayer::forgetPiece()
{
    unloadSequencer();
    silenceSynth();
    piece_.reset();
    position_ = 0;
}

void MidiPlayer::loadSequencer()
{
    if (synth_ == nullptr || !piece_) {
        return;
    }
    sequencer_ = new_fluid_player(synth_);
    if (sequencer_ != nullptr &&
        fluid_player_add_mem(sequencer_, piece_->bytes.data(), piece_->bytes.size()) != FLUID_OK) {
        unloadSequencer();
    }
}

void MidiPlayer::unloadSequencer()
{
    if (sequencer_ != nullptr) {
        delete_fluid_player(sequencer_);
        sequencer_ = nullptr;
    }
}

// Between two pieces nothing of the first may linger: notes, instruments, controllers.
void MidiPlayer::silenceSynth()
{
    if (synth_ != nullptr) {
        fluid_synth_system_reset(synth_);
    }
}

void MidiPlayer::mixHook(void* self, std::uint8_t* stream, int bytes)
{
    static_cast<MidiPlayer*>(self)->render(reinterpret_cast<std::int16_t*>(stream), bytes / AudioDevice::kFrameBytes);
}

// FluidSynth moves its player on once per block of 64 frames, so the score is followed block by block:
// the end is caught within 1.5 ms of the last tick.
void MidiPlayer::render(std::int16_t* frames, int count)
{
    constexpr int kBlock = 64;
    std::lock_guard lock(mutex_);
    for (int at = 0; at < count; at += kBlock) {
        std::int16_t* out = frames + at * AudioDevice::kChannels;
        fluid_synth_write_s16(synth_, std::min(kBlock, count - at), out, 0, 2, out, 1, 2);
        followScore();
    }
}

// At the end the piece stops where it is, its notes released, and the game hears of it once.
void MidiPlayer::followScore()
{
    if (motion_ != Motion::Playing || sequencer_ == nullptr) {
        return;
    }
    position_ = std::min(fluid_player_get_current_tick(sequencer_), piece_->lengthTicks);
    if (position_ < piece_->lengthTicks) {
        return;
    }
    holdAt(Motion::Stopped);
    notices_.raiseDone();
}

}  // namespace morvane
