// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rustle player: a WAV sound as an SDL2_mixer chunk on a mixer channel of its own.
#pragma once

#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "sound/audio_device.h"
#include "sound/player_notices.h"
#include "sound/sound_player.h"

namespace morvane {

// Position and length are in sample frames at the mixer's rate. The mixer counts what it plays through a
// channel effect, so the position is exact and equals the length once the sound has ended. Until the
// mixer is attached the sound is not loaded: 0 and 0, and commands only change the state the game sees.
class WavePlayer final : public SoundPlayer {
public:
    using SoundPlayer::SoundPlayer;

    void open(const std::string& path) override;

    // On the audio system's thread: the mixer is open, or about to close.
    void attach(int channel);
    void detach();

private:
    bool hasPiece() const override { return isOpen_; }
    // A sound that has played to its end stays Playing; what the mixer has counted tells it is over.
    bool isPlaying() const override { return motion_ == Motion::Playing && !finished(); }
    bool isAtEnd() const override { return sound_ != nullptr && finished(); }
    bool isAudible() const override { return !finished(); }
    void toBeginning() override { cursor_ = 0; }
    void startSound(bool resumePaused) override;
    void haltSound(Motion motion) override;
    void forgetPiece() override;
    std::int32_t positionNow() const override;
    std::int32_t lengthNow() const override;

    void load();
    void unload();
    void playFromCursor();
    void halt();
    bool finished() const;
    static void countPlayed(int channel, void* stream, int bytes, void* self);

    // The game's commands take turns under the players' lock; the mixer's effect only touches the
    // atomics, as it runs under the mixer's own lock, which commands take in their turn.
    std::string path_;
    bool isOpen_ = false;
    int channel_ = -1;
    Mix_Chunk* sound_ = nullptr;
    Mix_Chunk* tail_ = nullptr;             // the part of the sound from where the current play began
    std::atomic<std::uint32_t> cursor_{0};  // bytes of the sound played
    std::atomic<std::uint32_t> soundBytes_{0};
};

}  // namespace morvane
