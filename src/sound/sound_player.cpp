// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The players' shared state machine: play, resume, pause, stop, rewind and close.
#include "sound/sound_player.h"

#include <utility>

namespace morvane {

SoundPlayer::SoundPlayer(AudioDevice& device, Doorbell& doorbell, SoundDiagnostics& diagnostics)
    : device_(device), notices_(doorbell), diagnostics_(diagnostics)
{
}

void SoundPlayer::close()
{
    replacePiece([] {});
}

void SoundPlayer::play() { start(true); }

void SoundPlayer::resume() { start(false); }

void SoundPlayer::pause()
{
    std::lock_guard lock(mutex_);
    if (isPlaying()) {
        holdAt(Motion::Paused);
    }
}

void SoundPlayer::stop()
{
    {
        std::lock_guard lock(mutex_);
        if (motion_ != Motion::Stopped) {
            holdAt(Motion::Stopped);
        }
    }
    notices_.raiseStopCompleted();
}

void SoundPlayer::rewind()
{
    std::lock_guard lock(mutex_);
    fromStart_ = true;
}

std::int32_t SoundPlayer::position() const
{
    std::lock_guard lock(mutex_);
    return positionNow();
}

std::int32_t SoundPlayer::length() const
{
    std::lock_guard lock(mutex_);
    return lengthNow();
}

void SoundPlayer::setNotifications(PlayerNotifications notifications) { notices_.set(std::move(notifications)); }

bool SoundPlayer::sounding() const
{
    std::lock_guard lock(mutex_);
    return motion_ == Motion::Playing && isAudible();
}

void SoundPlayer::deliverNotices() { notices_.deliver(); }

void SoundPlayer::reportSilent(const std::string& path, const std::string& why) const
{
    diagnostics_.report("sound file " + path + " " + why + "; it stays silent");
}

void SoundPlayer::holdAt(Motion motion)
{
    motion_ = motion;
    haltSound(motion);
}

// Playing while playing carries on; a paused piece goes on from where it stopped unless it was rewound;
// a piece at its end without a rewind ends again at once.
void SoundPlayer::start(bool honourRewind)
{
    {
        std::lock_guard lock(mutex_);
        if (!hasPiece() || isPlaying()) {
            return;
        }
        const bool restart = honourRewind && fromStart_;
        if (restart) {
            fromStart_ = false;
            toBeginning();
        } else if (isAtEnd()) {
            notices_.raiseDone();
            return;
        }
        startSound(motion_ == Motion::Paused && !restart);
        motion_ = Motion::Playing;
    }
    device_.wake();
}

}  // namespace morvane
