// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rustle player: a WAV sound as an SDL2_mixer chunk on a mixer channel of its own.
#include "sound/wave_player.h"

#include <algorithm>

namespace morvane {

void WavePlayer::open(const std::string& path)
{
    replacePiece([&] {
        path_ = path;
        isOpen_ = true;
        load();
    });
}

std::int32_t WavePlayer::positionNow() const
{
    return static_cast<std::int32_t>(std::min(cursor_.load(), soundBytes_.load()) / AudioDevice::kFrameBytes);
}

std::int32_t WavePlayer::lengthNow() const
{
    return static_cast<std::int32_t>(soundBytes_.load() / AudioDevice::kFrameBytes);
}

void WavePlayer::attach(int channel)
{
    {
        std::lock_guard lock(mutex_);
        channel_ = channel;
        load();
        if (motion_ == Motion::Playing) {
            playFromCursor();
        }
    }
    if (sounding()) {
        device_.wake();
    }
}

void WavePlayer::detach()
{
    std::lock_guard lock(mutex_);
    unload();
    channel_ = -1;
}

void WavePlayer::startSound(bool resumePaused)
{
    if (!resumePaused) {
        playFromCursor();
    } else if (channel_ >= 0) {
        Mix_Resume(channel_);
    }
}

void WavePlayer::haltSound(Motion motion)
{
    if (motion == Motion::Stopped) {
        halt();
    } else if (channel_ >= 0) {
        Mix_Pause(channel_);
    }
}

void WavePlayer::forgetPiece()
{
    unload();
    path_.clear();
    isOpen_ = false;
}

// A sound that cannot be loaded (missing, empty, not a sound, a format the mixer does not read) stays
// silent with length 0, and says why.
void WavePlayer::load()
{
    if (channel_ < 0 || !isOpen_ || sound_ != nullptr) {
        return;
    }
    sound_ = Mix_LoadWAV(path_.c_str());
    if (sound_ == nullptr) {
        const std::string unreadable = whyUnreadable(path_);
        reportSilent(path_, unreadable.empty() ? std::string("cannot be played: ") + Mix_GetError() : unreadable);
    }
    soundBytes_ = sound_ != nullptr ? sound_->alen - sound_->alen % AudioDevice::kFrameBytes : 0;
    cursor_ = 0;
}

void WavePlayer::unload()
{
    halt();
    if (sound_ != nullptr) {
        Mix_FreeChunk(sound_);
        sound_ = nullptr;
    }
    soundBytes_ = 0;
    cursor_ = 0;
}

// The mixer plays a chunk from its start only, so a play from elsewhere is given the rest of the sound
// as a chunk of its own that borrows the sound's samples. The counting effect goes on the channel before
// the play, so not a byte is missed; the mixer takes it off again when the play ends or is halted.
void WavePlayer::playFromCursor()
{
    halt();
    const std::uint32_t from = cursor_;
    if (sound_ == nullptr || from >= soundBytes_) {
        return;
    }
    tail_ = Mix_QuickLoad_RAW(sound_->abuf + from, soundBytes_ - from);
    if (tail_ == nullptr) {
        return;
    }
    Mix_RegisterEffect(channel_, &WavePlayer::countPlayed, nullptr, this);
    Mix_PlayChannel(channel_, tail_, 0);
}

void WavePlayer::halt()
{
    if (channel_ >= 0) {
        Mix_HaltChannel(channel_);
    }
    if (tail_ != nullptr) {
        Mix_FreeChunk(tail_);
        tail_ = nullptr;
    }
}

bool WavePlayer::finished() const { return cursor_ >= soundBytes_; }

void WavePlayer::countPlayed(int, void*, int bytes, void* self)
{
    auto& player = *static_cast<WavePlayer*>(self);
    const std::uint32_t before = player.cursor_.fetch_add(static_cast<std::uint32_t>(bytes));
    if (before < player.soundBytes_ && before + static_cast<std::uint32_t>(bytes) >= player.soundBytes_) {
        player.notices_.raiseDone();
    }
}

}  // namespace morvane
