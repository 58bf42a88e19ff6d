// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The music player: MIDI pieces sequenced by FluidSynth's player and rendered into the mixer's music hook.
#pragma once

#include <fluidsynth.h>

#include <cstdint>
#include <optional>

#include "sound/audio_device.h"
#include "sound/midi_piece.h"
#include "sound/player_notices.h"
#include "sound/sound_player.h"

namespace morvane {

// Position and length are in ticks. The piece ends when its tick reaches its length, the moment the last
// track ends: FluidSynth's own "done" comes seconds later, which would leave a hole in a looped piece.
// Until the synth is attached, commands only change the state the game sees; they take effect on attach.
class MidiPlayer final : public SoundPlayer {
public:
    using SoundPlayer::SoundPlayer;

    void open(const std::string& path) override;

    // On the audio system's thread: the synth is ready, or about to go.
    void attach(fluid_synth_t* synth);
    void detach();

private:
    bool hasPiece() const override { return piece_.has_value(); }
    // A piece stops itself at its end, so Playing is a play under way.
    bool isPlaying() const override { return motion_ == Motion::Playing; }
    bool isAtEnd() const override { return position_ == piece_->lengthTicks; }
    bool isAudible() const override { return sequencer_ != nullptr; }
    void toBeginning() override;
    void startSound(bool resumePaused) override;
    void haltSound(Motion motion) override;
    void forgetPiece() override;
    std::int32_t positionNow() const override { return position_; }
    std::int32_t lengthNow() const override { return piece_ ? piece_->lengthTicks : 0; }

    void loadSequencer();
    void unloadSequencer();
    void silenceSynth();
    static void mixHook(void* self, std::uint8_t* stream, int bytes);
    void render(std::int16_t* frames, int count);
    void followScore();

    // The mixer renders under the players' lock, so the game's commands and the rendering take turns.
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* sequencer_ = nullptr;
    std::optional<MidiPiece> piece_;
    std::int32_t position_ = 0;
};

}  // namespace morvane
